// The native side of a CWnd on Windows: an object attached to one HWND whose window
// procedure it replaces (subclassing), so that the owner's message map sees the window's
// messages first and the window's own procedure handles what the owner passes on. Its
// paints, system menu, tooltip and what screen readers read each have a part of their own.
#pragma once

#include <windows.h>

#include <string>

#include "platform/WindowPeer.h"
#include "platform/win32/Win32Accessible.h"
#include "platform/win32/Win32PaintSurface.h"
#include "platform/win32/Win32SystemMenu.h"
#include "platform/win32/Win32ToolTip.h"

class Win32WindowPeer : public WindowPeer {
  public:
    // The window's peer, made and attached on first use. It deletes itself when the
    // window is destroyed, detaching its owner.
    static Win32WindowPeer* ForWindow(HWND hwnd);
    // The peer of a window that has one, nullptr otherwise.
    static Win32WindowPeer* Find(HWND hwnd);

    HWND Handle() const { return m_hwnd; }

    // Routes one message to the owner's message map, or to the window's own procedure
    // when there is no owner.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Invalidate(const RECT* rect, BOOL erase) override;
    Surface& ClientSurface() override { return m_paint.ClientSurface(); }
    CRect BeginPaint() override { return m_paint.BeginPaint(); }
    void EndPaint() override { m_paint.EndPaint(); }
    CRect ClientRect() const override;
    int PaintScale() const override;
    void Move(int x, int y, int width, int height, BOOL repaint) override;
    CRect Place() const override;
    void SetClientSize(int width, int height) override;
    void ShiftControls(int top, int dy) override;
    void SetText(const std::string& utf8) override;
    std::string Text() const override;
    BOOL IsIconic() const override;
    HICON SetIcon(HICON icon, BOOL big) override;
    WindowPeer* Control(int id) override;
    CMenu* SystemMenu(BOOL revert) override { return m_systemMenu.Get(revert); }
    void EndModal(int result) override;
    void ModifyStyle(DWORD remove, DWORD add) override;
    void NotifyParent(UINT code) override;
    bool FocusCuesHidden() const override {
        return (SendMessageW(m_hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
    }
    void SetAccessibleText(const std::string& name, const std::string& description) override {
        m_accessible.SetText(name, description);
    }
    void SetAccessibleList(const AccessibleList& list, int told) override {
        m_accessible.SetList(list, told);
    }
    void Enable(BOOL enable) override;
    void SetFocus() override;
    void ScaleFont(int percent) override;
    void Post(UINT message, WPARAM wParam, LPARAM lParam) override;
    int AddListItem(const std::string& utf8) override;
    void ClearList() override;
    void SelectListItem(int index) override;
    int SelectedListItem() const override;
    void SetCheck(bool checked) override;
    bool IsChecked() const override;

  private:
    explicit Win32WindowPeer(HWND hwnd);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Destroy(WPARAM wParam, LPARAM lParam);
    // What a mouse message does before the owner sees it: the focus, the tooltip.
    void BeforeMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT FollowDpi(UINT message, WPARAM wParam, LPARAM lParam);
    // Makes the scaled font anew from the dialog's, which follows the screen's dpi.
    void ApplyFontScale();

    HWND m_hwnd;
    WNDPROC m_originalProc;
    // Where the program last placed the window, in client pixels of its parent.
    CRect m_place;
    bool m_placed = false;
    Win32PaintSurface m_paint{m_hwnd};
    Win32SystemMenu m_systemMenu{m_hwnd};
    Win32ToolTip m_toolTip{m_hwnd};
    Win32Accessible m_accessible{m_hwnd};
    int m_fontPercent = 0;  // 0: the window keeps the font it was given
    HFONT m_scaledFont = nullptr;
};
