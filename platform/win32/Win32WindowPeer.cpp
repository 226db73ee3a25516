#include "platform/win32/Win32WindowPeer.h"

#include <commctrl.h>

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
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        const LONG_PTR style = GetWindowLongPtrW(m_hwnd, GWL_STYLE);
        // A control in the tab order takes the focus when clicked, as buttons do; a static
        // would not on its own.
        if (message == WM_LBUTTONDOWN && (style & WS_CHILD) != 0 && (style & WS_TABSTOP) != 0 &&
            GetFocus() != m_hwnd) {
            ::SetFocus(m_hwnd);
        }
        if ((style & WS_CHILD) != 0) {
            UpdateToolTip(message, wParam, lParam);
        }
    }
    CWnd* owner = GetOwner();
    const LRESULT result = owner != nullptr ? owner->WindowProc(message, wParam, lParam)
                                            : DefWindowProc(message, wParam, lParam);
    ShowSystemMenuChanges();
    return result;
}

// The window's last message: give the window its own procedure back, let it finish, and go.
LRESULT Win32WindowPeer::Destroy(WPARAM wParam, LPARAM lParam) {
    if (m_toolTip != nullptr) {
        DestroyWindow(m_toolTip);
    }
    SetWindowLongPtrW(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    RemovePropW(m_hwnd, kPeerProperty);
    const LRESULT result = CallWindowProcW(m_originalProc, m_hwnd, WM_NCDESTROY, wParam, lParam);
    delete this;
    return result;
}

LRESULT Win32WindowPeer::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The icon background is erased in our surface: the context handle a paint of ours
    // passes is not the window system's.
    if (message == WM_ICONERASEBKGND && m_painting) {
        const COLORREF face = GetSysColor(COLOR_3DFACE);
        m_surface.Reset(m_surface.Width(), m_surface.Height(),
                        RgbPixel(GetRValue(face), GetGValue(face), GetBValue(face)));
        return TRUE;
    }
    return CallWindowProcW(m_originalProc, m_hwnd, message, wParam, lParam);
}

void Win32WindowPeer::Invalidate(const RECT* rect, BOOL erase) {
    ::InvalidateRect(m_hwnd, rect, erase);
}

Surface& Win32WindowPeer::ClientSurface() {
    FitSurfaceToClient();
    return m_surface;
}

CRect Win32WindowPeer::BeginPaint() {
    if (m_painting) {
        return CRect(m_paint.rcPaint);
    }
    ::BeginPaint(m_hwnd, &m_paint);
    m_painting = true;
    FitSurfaceToClient();
    return CRect(m_paint.rcPaint);
}

void Win32WindowPeer::EndPaint() {
    if (!m_painting) {
        return;
    }
    Present(m_paint.hdc);
    ::EndPaint(m_hwnd, &m_paint);
    m_painting = false;
}

void Win32WindowPeer::FitSurfaceToClient() {
    const CRect client = ClientRect();
    if (client.Width() != m_surface.Width() || client.Height() != m_surface.Height()) {
        m_surface.Reset(client.Width(), client.Height());
    }
}

// The surface is a top-down 32-bit DIB as it stands: 0x00RRGGBB is B, G, R, 0 in memory.
void Win32WindowPeer::Present(HDC hdc) const {
    if (m_surface.IsEmpty()) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = m_surface.Width();
    info.bmiHeader.biHeight = -m_surface.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(hdc, 0, 0, static_cast<DWORD>(m_surface.Width()),
                      static_cast<DWORD>(m_surface.Height()), 0, 0, 0,
                      static_cast<UINT>(m_surface.Height()), m_surface.Pixels().data(), &info,
                      DIB_RGB_COLORS);
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

CMenu* Win32WindowPeer::SystemMenu(BOOL revert) {
    if (revert) {
        ::GetSystemMenu(m_hwnd, TRUE);
        m_systemMenu = CMenu();
        m_systemMenuFlagsShown.clear();
        return nullptr;
    }
    return ::GetSystemMenu(m_hwnd, FALSE) != nullptr ? &m_systemMenu : nullptr;
}

void Win32WindowPeer::ShowSystemMenuChanges() {
    const auto& items = m_systemMenu.Items();
    HMENU menu = nullptr;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CMenu::Item& item = items[i];
        const bool shown = i < m_systemMenuFlagsShown.size();
        if (shown && m_systemMenuFlagsShown[i] == item.flags) {
            continue;
        }
        if (menu == nullptr) {
            menu = ::GetSystemMenu(m_hwnd, FALSE);
        }
        if (shown) {
            ::CheckMenuItem(menu, static_cast<UINT>(item.id),
                            MF_BYCOMMAND | (item.flags & MF_CHECKED));
            m_systemMenuFlagsShown[i] = item.flags;
        } else {
            const std::wstring text = Utf8ToUtf16(item.text);
            AppendMenuW(menu, item.flags, item.id,
                        (item.flags & MF_SEPARATOR) != 0 ? nullptr : text.c_str());
            m_systemMenuFlagsShown.push_back(item.flags);
        }
    }
}

void Win32WindowPeer::EndModal(int result) {
    ::EndDialog(m_hwnd, result);
}

void Win32WindowPeer::NotifyParent(UINT code) {
    HWND parent = GetParent(m_hwnd);
    if (parent != nullptr) {
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_hwnd), code),
                     reinterpret_cast<LPARAM>(m_hwnd));
    }
}

void Win32WindowPeer::ModifyStyle(DWORD remove, DWORD add) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_STYLE));
    SetWindowLongPtrW(m_hwnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~remove) | add));
}

// Called only when the description has changed.
void Win32WindowPeer::SetAccessibleText(const std::string&, const std::string& description) {
    SetText(description);
    // Said outright, so that a screen reader hears the change whatever the control's own
    // text handling announces.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
}

void Win32WindowPeer::UpdateToolTip(UINT message, WPARAM wParam, LPARAM lParam) {
    // While the button is held the pointer drags a note and the tip stays hidden: naming
    // the note under it on every move would be wasted work on the busiest path.
    if ((wParam & MK_LBUTTON) == 0) {
        SetToolTipFor(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    }
    if (m_toolTip != nullptr) {
        MSG relayed{m_hwnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
        SendMessageW(m_toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
}

void Win32WindowPeer::SetToolTipFor(CPoint point) {
    CWnd* owner = GetOwner();
    if (owner == nullptr) {
        return;
    }
    CRect area;
    const std::wstring text = Utf8ToUtf16(owner->GetToolTipText(point, area));
    if (m_toolTip == nullptr && !text.empty()) {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
        m_toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                    WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    }
    if (m_toolTip == nullptr) {
        return;
    }
    if (text != m_toolTipText || !(area == m_toolTipArea)) {
        // The size the oldest tooltip controls accept.
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = m_hwnd;
        tool.uId = 1;
        SendMessageW(m_toolTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        m_toolTipText = text;
        m_toolTipArea = area;
        if (!text.empty()) {
            tool.rect = area;
            tool.lpszText = m_toolTipText.data();
            SendMessageW(m_toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}
