// A window object: receives its window's messages through its message map and calls the
// window operations that the program uses. The window itself is a backend's WindowPeer.
#pragma once

#include <string>

#include "platform/CCmdTarget.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/WindowPeer.h"

class CDC;
class CMenu;

class CWnd : public CCmdTarget {
  public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Makes this object the receiver of the peer's messages (nullptr detaches).
    void Attach(WindowPeer* peer);
    // Called when a window is attached: the object's chance to adjust its new window.
    virtual void PreSubclassWindow() {}
    WindowPeer* GetPeer() const { return m_peer; }

    // A character typed in a dialog (WM_CHAR) is offered to the dialog object first, before
    // the dialog's own keys take it (the buttons' access keys), unless the control with the
    // focus keeps its characters (DLGC_WANTCHARS: a drop-down list). TRUE: it was used and
    // goes no further.
    virtual BOOL PreTranslateMessage(MSG*) { return FALSE; }
    // Dispatches a message through the message map, or to the window's default processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void GetClientRect(LPRECT rect) const;
    // A control's rectangle in its dialog's client area, as MoveWindow takes it.
    void GetPlaceInParent(LPRECT rect) const;
    // A dialog's client area grows or shrinks to this size, its top left corner in place.
    void SetClientSize(int width, int height);
    // Moves every control of a dialog that starts at or below `top` by dy pixels.
    void ShiftControls(int top, int dy);
    void SetWindowText(LPCSTR text);
    void SetDlgItemText(int id, LPCSTR text);
    BOOL IsIconic() const;
    HICON SetIcon(HICON icon, BOOL bigIcon);
    CMenu* GetSystemMenu(BOOL revert);
    BOOL ModifyStyle(DWORD remove, DWORD add);
    void SetAccessibleText(LPCSTR name, LPCSTR description);
    BOOL EnableWindow(BOOL enable = TRUE);
    void SetFocus();
    // The window's text in its dialog's font at `nPercent` of its size: a line to be read
    // at a glance.
    void SetFontScale(int nPercent);
    // The message reaches this window's message map later, from the window system's queue.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void SetAccessibleList(const AccessibleList& list, int told);
    // Tells the parent window of a notification: WM_COMMAND with this control's id and
    // `nCode`, as a control tells its dialog.
    void NotifyParent(UINT nCode);
    BOOL FocusCuesHidden() const;

    // The tip to show while the pointer rests at `point`, and the part of the client area
    // where that tip holds; an empty text shows none.
    virtual std::string GetToolTipText(CPoint point, CRect& area) const;

  protected:
    // Default processing of the messages that the program's handlers pass on.
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    UINT OnGetDlgCode(UINT nChar);

  private:
    WindowPeer* m_peer = nullptr;
};
