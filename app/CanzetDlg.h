// The main dialog, which hosts the staff control and the position button, and the About
// box reached from its system menu.
#pragma once

#include "app/PracticeSetup.h"
#include "app/StaffSetup.h"
#include "input/KeyInput.h"
#include "platform/CButton.h"
#include "platform/CDialog.h"
#include "staff/StaffControl.h"

class CCanzetDlg : public CDialog, private input::KeyListener {
  public:
    explicit CCanzetDlg(CWnd* pParent = nullptr, const StaffSetup& setup = {},
                        const PracticeSetup& practice = {});
    ~CCanzetDlg() override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnPositionClicked();
    void ShowClefCheck();
    void GrowBelowStaff(int extra);
    void OpenPractice();
    // A key played on an instrument moves the staff's note to it.
    void KeyChanged(const input::KeyEvent& event) override;

    DECLARE_MESSAGE_MAP()

    CButton m_btnPosition;
    CStaffControl m_staff;
    HICON m_hIcon;
    StaffSetup m_setup;
    PracticeSetup m_practice;
};

class CAboutDlg : public CDialog {
  public:
    CAboutDlg();

  protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
