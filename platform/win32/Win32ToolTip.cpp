#include "platform/win32/Win32ToolTip.h"

#include <commctrl.h>

#include "platform/CWnd.h"
#include "platform/win32/TextConversion.h"
#include "platform/win32/Win32Dpi.h"

Win32ToolTip::~Win32ToolTip() {
    if (m_toolTip != nullptr) {
        DestroyWindow(m_toolTip);
    }
}

void Win32ToolTip::Relay(CWnd* owner, UINT message, WPARAM wParam, LPARAM lParam) {
    // While the button is held the pointer drags a note and the tip stays hidden: naming
    // the note under it on every move would be wasted work on the busiest path.
    if ((wParam & MK_LBUTTON) == 0 && owner != nullptr) {
        SetFor(*owner, Win32Dpi(m_hwnd).ToClient(lParam));
    }
    if (m_toolTip != nullptr) {
        MSG relayed{m_hwnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
        SendMessageW(m_toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
}

void Win32ToolTip::SetFor(CWnd& owner, CPoint point) {
    CRect area;
    const std::wstring text = Utf8ToUtf16(owner.GetToolTipText(point, area));
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
    if (text != m_text || !(area == m_area)) {
        // The size the oldest tooltip controls accept.
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = m_hwnd;
        tool.uId = 1;
        SendMessageW(m_toolTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        m_text = text;
        m_area = area;
        if (!text.empty()) {
            tool.rect = Win32Dpi(m_hwnd).ToDevice(area);
            tool.lpszText = m_text.data();
            SendMessageW(m_toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}
