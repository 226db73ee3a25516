#include "platform/win32/Win32Backend.h"

#include "platform/CDialog.h"
#include "platform/CWinApp.h"
#include "platform/win32/TextConversion.h"
#include "platform/win32/Win32WindowPeer.h"

namespace {

// Message boxes carry the program's name as their title.
constexpr wchar_t kMessageBoxTitle[] = L"Canzet";

HWND WindowOf(const CWnd* window) {
    const WindowPeer* peer = window != nullptr ? window->GetPeer() : nullptr;
    return peer != nullptr ? static_cast<const Win32WindowPeer*>(peer)->Handle() : nullptr;
}

// A window without a parent of its own is owned by the main window, which stays disabled
// while it runs.
HWND OwnerFor(const CWnd* parent) {
    if (parent != nullptr) {
        return WindowOf(parent);
    }
    const CWinApp* app = AfxGetApp();
    return app != nullptr ? WindowOf(app->m_pMainWnd) : nullptr;
}

}  // namespace

INT_PTR Win32Backend::RunModalDialog(CDialog& dialog, UINT templateId, CWnd* parent) {
    return DialogBoxParamW(m_instance, MAKEINTRESOURCEW(templateId), OwnerFor(parent), &DialogProc,
                           reinterpret_cast<LPARAM>(&dialog));
}

// The dialog manager's hook. It only binds the dialog object to its window; from then on
// the window's subclass procedure routes every message, and the dialog manager's default
// processing answers whatever the dialog object passes on.
INT_PTR CALLBACK Win32Backend::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    Win32WindowPeer* peer = Win32WindowPeer::ForWindow(hwnd);
    reinterpret_cast<CDialog*>(lParam)->Attach(peer);
    return peer->Dispatch(message, wParam, lParam);
}

int Win32Backend::MessageBox(const std::string& utf8Text, UINT type) {
    return MessageBoxW(OwnerFor(nullptr), Utf8ToUtf16(utf8Text).c_str(), kMessageBoxTitle, type);
}

int Win32Backend::GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}
