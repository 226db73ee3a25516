// The main dialog, which hosts the staff control and the position button, and the About
// box reached from its system menu.
#pragma once

#include "app/PracticeSetup.h"
#include "app/StaffSetup.h"
#include "platform/CButton.h"
#include "platform/CDialog.h"
#include "staff/StaffControl.h"

class CCanzetDlg : public CDialog {
  public:
    explicit CCanzetDlg(CWnd* pParent = nullptr, const StaffSetup& setup = {},
                        const PracticeSetup& practice = {});

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
