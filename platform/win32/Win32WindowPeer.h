// The native side of a CWnd on Windows: an object attached to one HWND whose window
// procedure it replaces (subclassing), so that the owner's message map sees the window's
// messages first and the window's own procedure handles what the owner passes on.
// Pixels are the program's own: paints go to a Surface that EndPaint copies to the window.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/CMenu.h"
#include "platform/CPoint.h"
#include "platform/Surface.h"
#include "platform/WindowPeer.h"

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
    Surface& ClientSurface() override;
    CRect BeginPaint() override;
    void EndPaint() override;
    CRect ClientRect() const override;
    void Move(int x, int y, int width, int height, BOOL repaint) override;
    void SetText(const std::string& utf8) override;
    std::string Text() const override;
    BOOL IsIconic() const override;
    HICON SetIcon(HICON icon, BOOL big) override;
    WindowPeer* Control(int id) override;
    CMenu* SystemMenu(BOOL revert) override;
    void EndModal(int result) override;
    void ModifyStyle(DWORD remove, DWORD add) override;
    void NotifyParent(UINT code) override;
    // The description becomes the window's text, which the system's accessibility proxy of
    // a static control reads as its name.
    void SetAccessibleText(const std::string& name, const std::string& description) override;
    void Enable(BOOL enable) override;
    void SetFocus() override;
    void Post(UINT message, WPARAM wParam, LPARAM lParam) override;
    int AddListItem(const std::string& utf8) override;
    void ClearList() override;
    void SelectListItem(int index) override;
    int SelectedListItem() const override;

  private:
    explicit Win32WindowPeer(HWND hwnd);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Destroy(WPARAM wParam, LPARAM lParam);
    void FitSurfaceToClient();
    void Present(HDC hdc) const;
    void ShowSystemMenuChanges();
    // The owner's tip for the point under the pointer, shown by a tooltip control that
    // this window's mouse messages are relayed to.
    void UpdateToolTip(UINT message, WPARAM wParam, LPARAM lParam);
    // Names what lies under the point in the tip, making the tip when first needed.
    void SetToolTipFor(CPoint point);

    HWND m_hwnd;
    WNDPROC m_originalProc;
    Surface m_surface;
    PAINTSTRUCT m_paint{};
    bool m_painting = false;
    // The program changes this copy; after each message new items are added to the real
    // system menu and changed check marks set there. The flags of the items shown so far.
    CMenu m_systemMenu;
    std::vector<UINT> m_systemMenuFlagsShown;
    HWND m_toolTip = nullptr;
    std::wstring m_toolTipText;
    CRect m_toolTipArea;
};
