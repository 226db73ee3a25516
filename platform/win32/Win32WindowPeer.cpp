#include "platform/win32/Win32WindowPeer.h"

#include "platform/CWnd.h"
#include "platform/win32/TextConversion.h"

namespace {
// The window property that holds a window's peer.
constexpr wchar_t kPeerProperty[] = L"Win32WindowPeer";
}  // namespace

Win32WindowPeer::Win32WindowPeer(HWND hwnd)
    : m_hwnd(hwnd),
      m_originalProc(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC))) {
    SetPropW(hwnd, kPeerProperty, this);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc));
}

Win32WindowPeer* Win32WindowPeer::Find(HWND hwnd) {
    return static_cast<Win32WindowPeer*>(GetPropW(hwnd, kPeerProperty));
}

Win32WindowPeer* Win32WindowPeer::ForWindow(HWND hwnd) {
    if (hwnd == nullptr || !IsWindow(hwnd)) {
        return nullptr;
    }
    Win32WindowPeer* peer = Find(hwnd);
    return peer != nullptr ? peer : new Win32WindowPeer(hwnd);
}

LRESULT CALLBACK Win32WindowPeer::SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    Win32WindowPeer* peer = Find(hwnd);
    if (peer == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        return peer->Destroy(wParam, lParam);
    }
    return peer->Dispatch(message, wParam, lParam);
}

LRESULT Win32WindowPeer::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT answer = 0;
    if (message == WM_GETOBJECT && m_accessible.Answer(wParam, lParam, answer)) {
        return answer;
    }
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        BeforeMouse(message, wParam, lParam);
    }
    CWnd* owner = GetOwner();
    const LRESULT result = owner != nullptr ? owner->WindowProc(message, wParam, lParam)
                                            : DefWindowProc(message, wParam, lParam);
    m_systemMenu.ShowChanges();
    return result;
}

void Win32WindowPeer::BeforeMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const LONG_PTR style = GetWindowLongPtrW(m_hwnd, GWL_STYLE);
    if ((style & WS_CHILD) == 0) {
        return;
    }
    // A control in the tab order takes the focus when clicked, as buttons do; a static
    // would not on its own.
    if (message == WM_LBUTTONDOWN && (style & WS_TABSTOP) != 0 && GetFocus() != m_hwnd) {
        ::SetFocus(m_hwnd);
    }
    m_toolTip.Relay(GetOwner(), message, wParam, lParam);
}

// The window's last message: give the window its own procedure back, let it finish, and go.
LRESULT Win32WindowPeer::Destroy(WPARAM wParam, LPARAM lParam) {
    SetWindowLongPtrW(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    RemovePropW(m_hwnd, kPeerProperty);
    const LRESULT result = CallWindowProcW(m_originalProc, m_hwnd, WM_NCDESTROY, wParam, lParam);
    delete this;
    return result;
}

LRESULT Win32WindowPeer::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The icon background is erased in our surface: the context handle a paint of ours
    // passes is not the window system's.
    if (message == WM_ICONERASEBKGND && m_paint.IsPainting()) {
        m_paint.EraseToFace();
        return TRUE;
    }
    return CallWindowProcW(m_originalProc, m_hwnd, message, wParam, lParam);
}

void Win32WindowPeer::Invalidate(const RECT* rect, BOOL erase) {
    ::InvalidateRect(m_hwnd, rect, erase);
}

CRect Win32WindowPeer::ClientRect() const {
    RECT client{};
    ::GetClientRect(m_hwnd, &client);
    return CRect(client);
}

void Win32WindowPeer::Move(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hwnd, x, y, width, height, repaint);
}

void Win32WindowPeer::SetText(const std::string& utf8) {
    SetWindowTextW(m_hwnd, Utf8ToUtf16(utf8).c_str());
}

std::string Win32WindowPeer::Text() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(m_hwnd)) + 1, L'\0');
    const int length = GetWindowTextW(m_hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return Utf16ToUtf8(text);
}

BOOL Win32WindowPeer::IsIconic() const {
    return ::IsIconic(m_hwnd);
}

HICON Win32WindowPeer::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(SendMessageW(m_hwnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                                                reinterpret_cast<LPARAM>(icon)));
}

WindowPeer* Win32WindowPeer::Control(int id) {
    return ForWindow(GetDlgItem(m_hwnd, id));
}

void Win32WindowPeer::EndModal(int result) {
    ::EndDialog(m_hwnd, result);
}

void Win32WindowPeer::ModifyStyle(DWORD remove, DWORD add) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_STYLE));
    SetWindowLongPtrW(m_hwnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~remove) | add));
}

void Win32WindowPeer::NotifyParent(UINT code) {
    HWND parent = GetParent(m_hwnd);
    if (parent != nullptr) {
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_hwnd), code),
                     reinterpret_cast<LPARAM>(m_hwnd));
    }
}
