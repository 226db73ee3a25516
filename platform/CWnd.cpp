#include "platform/CWnd.h"

CWnd::~CWnd() {
    Attach(nullptr);
}

void CWnd::Attach(WindowPeer* peer) {
    if (m_peer != nullptr && m_peer->GetOwner() == this) {
        m_peer->SetOwner(nullptr);
    }
    m_peer = peer;
    if (m_peer != nullptr) {
        m_peer->SetOwner(this);
        PreSubclassWindow();
    }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool command = message == WM_COMMAND;
    const AFX_MSGMAP_ENTRY* entry =
        FindMessageEntry(message, command ? HIWORD(wParam) : 0, command ? LOWORD(wParam) : 0);
    if (entry != nullptr) {
        return entry->pfn(this, wParam, lParam);
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_peer != nullptr ? m_peer->DefWindowProc(message, wParam, lParam) : 0;
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) {
    if (m_peer != nullptr) {
        m_peer->Invalidate(rect, erase);
    }
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    if (m_peer != nullptr) {
        m_peer->Move(x, y, width, height, repaint);
    }
}

void CWnd::GetClientRect(LPRECT rect) const {
    *rect = m_peer != nullptr ? m_peer->ClientRect() : CRect();
}

void CWnd::GetPlaceInParent(LPRECT rect) const {
    *rect = m_peer != nullptr ? m_peer->Place() : CRect();
}

void CWnd::SetClientSize(int width, int height) {
    if (m_peer != nullptr) {
        m_peer->SetClientSize(width, height);
    }
}

void CWnd::ShiftControls(int top, int dy) {
    if (m_peer != nullptr) {
        m_peer->ShiftControls(top, dy);
    }
}

void CWnd::SetWindowText(LPCSTR text) {
    if (m_peer != nullptr) {
        m_peer->SetText(text != nullptr ? text : "");
    }
}

void CWnd::SetDlgItemText(int id, LPCSTR text) {
    WindowPeer* control = m_peer != nullptr ? m_peer->Control(id) : nullptr;
    if (control != nullptr) {
        control->SetText(text != nullptr ? text : "");
    }
}

BOOL CWnd::IsIconic() const {
    return m_peer != nullptr ? m_peer->IsIconic() : FALSE;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    return m_peer != nullptr ? m_peer->SetIcon(icon, bigIcon) : nullptr;
}

CMenu* CWnd::GetSystemMenu(BOOL revert) {
    return m_peer != nullptr ? m_peer->SystemMenu(revert) : nullptr;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
    if (m_peer == nullptr) {
        return FALSE;
    }
    m_peer->ModifyStyle(remove, add);
    return TRUE;
}

void CWnd::SetAccessibleText(LPCSTR name, LPCSTR description) {
    if (m_peer != nullptr) {
        m_peer->SetAccessibleText(name != nullptr ? name : "",
                                  description != nullptr ? description : "");
    }
}

BOOL CWnd::EnableWindow(BOOL enable) {
    if (m_peer != nullptr) {
        m_peer->Enable(enable);
    }
    return FALSE;
}

void CWnd::SetFocus() {
    if (m_peer != nullptr) {
        m_peer->SetFocus();
    }
}

void CWnd::SetFontScale(int nPercent) {
    if (m_peer != nullptr) {
        m_peer->ScaleFont(nPercent);
    }
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_peer == nullptr) {
        return FALSE;
    }
    m_peer->Post(message, wParam, lParam);
    return TRUE;
}

void CWnd::SetAccessibleList(const AccessibleList& list, int told) {
    if (m_peer != nullptr) {
        m_peer->SetAccessibleList(list, told);
    }
}

BOOL CWnd::FocusCuesHidden() const {
    return m_peer != nullptr && m_peer->FocusCuesHidden() ? TRUE : FALSE;
}

void CWnd::NotifyParent(UINT nCode) {
    if (m_peer != nullptr) {
        m_peer->NotifyParent(nCode);
    }
}

std::string CWnd::GetToolTipText(CPoint, CRect&) const {
    return {};
}

void CWnd::OnLButtonDown(UINT nFlags, CPoint point) {
    DefWindowProc(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CWnd::OnLButtonUp(UINT nFlags, CPoint point) {
    DefWindowProc(WM_LBUTTONUP, nFlags, MAKELPARAM(point.x, point.y));
}

void CWnd::OnMouseMove(UINT nFlags, CPoint point) {
    DefWindowProc(WM_MOUSEMOVE, nFlags, MAKELPARAM(point.x, point.y));
}

BOOL CWnd::OnEraseBkgnd(CDC* pDC) {
    return static_cast<BOOL>(DefWindowProc(WM_ERASEBKGND, reinterpret_cast<WPARAM>(pDC), 0));
}

void CWnd::OnPaint() {
    DefWindowProc(WM_PAINT, 0, 0);
}

void CWnd::OnSysCommand(UINT nID, LPARAM lParam) {
    DefWindowProc(WM_SYSCOMMAND, nID, lParam);
}

void CWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    DefWindowProc(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CWnd::OnSetFocus(CWnd*) {
    DefWindowProc(WM_SETFOCUS, 0, 0);
}

void CWnd::OnKillFocus(CWnd*) {
    DefWindowProc(WM_KILLFOCUS, 0, 0);
}

UINT CWnd::OnGetDlgCode(UINT nChar) {
    return static_cast<UINT>(DefWindowProc(WM_GETDLGCODE, nChar, 0));
}
