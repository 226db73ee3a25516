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
