#include "platform/win32/Win32DialogKeys.h"

#include "platform/CWnd.h"
#include "platform/win32/Win32WindowPeer.h"

namespace {
// One hook for the thread, however deep its modal dialogs nest: the innermost has the input.
thread_local Win32DialogKeys* t_innermost = nullptr;
thread_local HHOOK t_hook = nullptr;

HWND DialogWindow(const CWnd& dialog) {
    const WindowPeer* peer = dialog.GetPeer();
    return peer != nullptr ? static_cast<const Win32WindowPeer*>(peer)->Handle() : nullptr;
}
}  // namespace

Win32DialogKeys::Win32DialogKeys(CWnd& dialog) : m_dialog(dialog), m_outer(t_innermost) {
    t_innermost = this;
    if (t_hook == nullptr) {
        t_hook = SetWindowsHookExW(WH_MSGFILTER, &MessageFilter, nullptr, GetCurrentThreadId());
    }
}

Win32DialogKeys::~Win32DialogKeys() {
    t_innermost = m_outer;
    if (t_innermost == nullptr && t_hook != nullptr) {
        UnhookWindowsHookEx(t_hook);
        t_hook = nullptr;
    }
}

LRESULT CALLBACK Win32DialogKeys::MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && message->message == WM_CHAR && t_innermost != nullptr) {
        CWnd& dialog = t_innermost->m_dialog;
        const HWND window = DialogWindow(dialog);
        const bool inDialog = window != nullptr && GetAncestor(message->hwnd, GA_ROOT) == window &&
                              (SendMessageW(message->hwnd, WM_GETDLGCODE, message->wParam, lParam) &
                               DLGC_WANTCHARS) == 0;
        if (inDialog && dialog.PreTranslateMessage(message)) {
            return 1;
        }
    }
    return CallNextHookEx(t_hook, code, wParam, lParam);
}
