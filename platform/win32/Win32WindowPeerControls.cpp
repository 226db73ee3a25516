// What a window peer does for the dialog controls the program steers: drop-down lists,
// enabling, the focus, a larger font and posted messages. The native controls do the work.
#include "platform/win32/TextConversion.h"
#include "platform/win32/Win32WindowPeer.h"

void Win32WindowPeer::Enable(BOOL enable) {
    ::EnableWindow(m_hwnd, enable);
}

// Within a dialog the dialog manager moves the focus, so that the default button follows.
void Win32WindowPeer::SetFocus() {
    HWND parent = GetParent(m_hwnd);
    if ((GetWindowLongPtrW(m_hwnd, GWL_STYLE) & WS_CHILD) != 0 && parent != nullptr) {
        SendMessageW(parent, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hwnd), TRUE);
    } else {
        ::SetFocus(m_hwnd);
    }
}

void Win32WindowPeer::ScaleFont(int percent) {
    m_fontPercent = percent;
    ApplyFontScale();
}

void Win32WindowPeer::ApplyFontScale() {
    HWND dialog = GetParent(m_hwnd);
    const auto dialogFont = reinterpret_cast<HFONT>(
        SendMessageW(dialog != nullptr ? dialog : m_hwnd, WM_GETFONT, 0, 0));
    LOGFONTW font{};
    if (dialogFont == nullptr || GetObjectW(dialogFont, sizeof(font), &font) == 0) {
        return;
    }
    font.lfHeight = MulDiv(font.lfHeight, m_fontPercent, 100);
    HFONT scaled = CreateFontIndirectW(&font);
    if (scaled == nullptr) {
        return;
    }
    SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), TRUE);
    if (m_scaledFont != nullptr) {
        DeleteObject(m_scaledFont);
    }
    m_scaledFont = scaled;
}

void Win32WindowPeer::Post(UINT message, WPARAM wParam, LPARAM lParam) {
    PostMessageW(m_hwnd, message, wParam, lParam);
}

int Win32WindowPeer::AddListItem(const std::string& utf8) {
    const std::wstring text = Utf8ToUtf16(utf8);
    return static_cast<int>(
        SendMessageW(m_hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void Win32WindowPeer::ClearList() {
    SendMessageW(m_hwnd, CB_RESETCONTENT, 0, 0);
}

void Win32WindowPeer::SelectListItem(int index) {
    SendMessageW(m_hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32WindowPeer::SelectedListItem() const {
    return static_cast<int>(SendMessageW(m_hwnd, CB_GETCURSEL, 0, 0));
}

void Win32WindowPeer::SetCheck(bool checked) {
    SendMessageW(m_hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32WindowPeer::IsChecked() const {
    return SendMessageW(m_hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
