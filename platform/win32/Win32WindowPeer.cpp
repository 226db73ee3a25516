#include "platform/win32/Win32WindowPeer.h"

#include "platform/CWnd.h"
#include "platform/win32/TextConversion.h"
#include "platform/win32/Win32Dpi.h"

namespace {
// The window property that holds a window's peer.
constexpr wchar_t kPeerProperty[] = L"Win32WindowPeer";

// Mouse messages whose point is in the window's client area (the wheels' are on the screen).
bool HasClientPoint(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEWHEEL &&
           message != WM_MOUSEHWHEEL;
}
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
    if (message == WM_DPICHANGED || message == WM_DPICHANGED_AFTERPARENT) {
        return FollowDpi(message, wParam, lParam);
    }
    if (HasClientPoint(message)) {
        const CPoint point = Win32Dpi(m_hwnd).ToClient(lParam);
        lParam = MAKELPARAM(point.x, point.y);
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

// A window moved to a screen of another dpi takes the size the system suggests; a control
// takes its place again in client pixels, now more or fewer device pixels. Both repaint.
LRESULT Win32WindowPeer::FollowDpi(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(m_originalProc, m_hwnd, message, wParam, lParam);
    if (message == WM_DPICHANGED) {
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        if (m_placed) {
            Move(m_place.left, m_place.top, m_place.Width(), m_place.Height(), FALSE);
        }
        if (m_fontPercent != 0) {
            ApplyFontScale();
        }
    }
    ::InvalidateRect(m_hwnd, nullptr, TRUE);
    return result;
}

// The window's last message: give the window its own procedure back, let it finish, and go.
LRESULT Win32WindowPeer::Destroy(WPARAM wParam, LPARAM lParam) {
    SetWindowLongPtrW(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    RemovePropW(m_hwnd, kPeerProperty);
    const LRESULT result = CallWindowProcW(m_originalProc, m_hwnd, WM_NCDESTROY, wParam, lParam);
    if (m_scaledFont != nullptr) {
        DeleteObject(m_scaledFont);
    }
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
    if (rect == nullptr) {
        ::InvalidateRect(m_hwnd, nullptr, erase);
        return;
    }
    const CRect device = Win32Dpi(m_hwnd).ToDevice(*rect);
    ::InvalidateRect(m_hwnd, &device, erase);
}

CRect Win32WindowPeer::ClientRect() const {
    RECT client{};
    ::GetClientRect(m_hwnd, &client);
    return Win32Dpi(m_hwnd).ToClient(client);
}

int Win32WindowPeer::PaintScale() const {
    return Win32Dpi(m_hwnd).PaintScale();
}

void Win32WindowPeer::Move(int x, int y, int width, int height, BOOL repaint) {
    m_place = CRect(x, y, x + width, y + height);
    m_placed = true;
    const CRect device = Win32Dpi(m_hwnd).ToDevice(m_place);
    ::MoveWindow(m_hwnd, device.left, device.top, device.Width(), device.Height(), repaint);
}

CRect Win32WindowPeer::Place() const {
    if (m_placed) {
        return m_place;
    }
    RECT device{};
    ::GetWindowRect(m_hwnd, &device);
    const HWND parent = ::GetParent(m_hwnd);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&device), 2);
    return Win32Dpi(parent != nullptr ? parent : m_hwnd).ToClient(device);
}

// The frame keeps its thickness: the window grows by what the client area grows.
void Win32WindowPeer::SetClientSize(int width, int height) {
    RECT window{};
    RECT client{};
    ::GetWindowRect(m_hwnd, &window);
    ::GetClientRect(m_hwnd, &client);
    const CRect wanted = Win32Dpi(m_hwnd).ToDevice(CRect(0, 0, width, height));
    ::SetWindowPos(m_hwnd, nullptr, 0, 0,
                   window.right - window.left + wanted.Width() - (client.right - client.left),
                   window.bottom - window.top + wanted.Height() - (client.bottom - client.top),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Controls with a peer move through it, so that they keep their place in client pixels when
// the dpi changes; the others are moved in device pixels.
void Win32WindowPeer::ShiftControls(int top, int dy) {
    struct Shift {
        HWND dialog;
        int top;
        int dy;
    } shift{m_hwnd, top, dy};
    EnumChildWindows(
        m_hwnd,
        [](HWND child, LPARAM data) -> BOOL {
            const Shift& s = *reinterpret_cast<const Shift*>(data);
            if (::GetParent(child) != s.dialog) {
                return TRUE;
            }
            RECT device{};
            ::GetWindowRect(child, &device);
            ::MapWindowPoints(nullptr, s.dialog, reinterpret_cast<POINT*>(&device), 2);
            const Win32Dpi dpi(s.dialog);
            const CRect place = dpi.ToClient(device);
            if (place.top < s.top) {
                return TRUE;
            }
            if (Win32WindowPeer* peer = ForWindow(child)) {
                const CRect from = peer->Place();
                peer->Move(from.left, from.top + s.dy, from.Width(), from.Height(), FALSE);
            } else {
                const CRect moved = dpi.ToDevice(CRect(0, 0, 1, s.dy > 0 ? s.dy : -s.dy));
                const int deviceDy = s.dy > 0 ? moved.Height() : -moved.Height();
                ::SetWindowPos(child, nullptr, device.left, device.top + deviceDy, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shift));
    ::InvalidateRect(m_hwnd, nullptr, TRUE);
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
