#include "platform/win32/Win32Backend.h"

#include <objbase.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "platform/CDialog.h"
#include "platform/CWinApp.h"
#include "platform/win32/TextConversion.h"
#include "platform/win32/Win32DialogKeys.h"
#include "platform/win32/Win32Resources.h"
#include "platform/win32/Win32WindowPeer.h"

namespace {

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

// Centres a dialog over its owner, or on the screen's work area when it has none, and
// keeps it whole on that work area: as Windows programs' dialogs open, rather than at the
// template's (0, 0) in the screen's corner.
void CenterDialog(HWND dialog) {
    RECT window{};
    GetWindowRect(dialog, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    RECT area = work;
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &area);
    }
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int x = std::clamp(area.left + (area.right - area.left - width) / 2, work.left,
                             std::max(work.left, work.right - width));
    const int y = std::clamp(area.top + (area.bottom - area.top - height) / 2, work.top,
                             std::max(work.top, work.bottom - height));
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

constexpr UINT kRunPostedWork = WM_APP + 0x30;
constexpr wchar_t kPostedWorkClass[] = L"CanzetPostedWork";

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance, const std::string& title)
    : m_instance(instance),
      m_title(Utf8ToUtf16(title)),
      m_com(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &PostedWorkProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kPostedWorkClass;
    RegisterClassW(&windowClass);
    m_postedWork = CreateWindowExW(0, kPostedWorkClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   instance, nullptr);
}

Win32Backend::~Win32Backend() {
    if (m_postedWork != nullptr) {
        // What is still queued goes with the window's messages: each owns its work.
        MSG message{};
        while (PeekMessageW(&message, m_postedWork, kRunPostedWork, kRunPostedWork, PM_REMOVE)) {
            delete reinterpret_cast<std::function<void()>*>(message.lParam);
        }
        DestroyWindow(m_postedWork);
    }
    if (m_com) {
        CoUninitialize();
    }
}

// The template is found in the program's chosen language, as its strings are, rather than
// left to the dialog manager's own search. The dialog object sees the characters typed in
// it first.
INT_PTR Win32Backend::RunModalDialog(CDialog& dialog, UINT templateId, CWnd* parent) {
    const std::span<const std::uint8_t> dialogTemplate =
        FindResourceBytes(reinterpret_cast<LPCWSTR>(RT_DIALOG), MAKEINTRESOURCEW(templateId));
    if (dialogTemplate.empty()) {
        return -1;
    }
    const Win32DialogKeys keys(dialog);
    return DialogBoxIndirectParamW(
        m_instance, reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), OwnerFor(parent),
        &DialogProc, reinterpret_cast<LPARAM>(&dialog));
}

// The dialog manager's hook. It only binds the dialog object to its window; from then on
// the window's subclass procedure routes every message, and the dialog manager's default
// processing answers whatever the dialog object passes on. A dialog that did not place
// itself while it initialised opens centred.
INT_PTR CALLBACK Win32Backend::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    Win32WindowPeer* peer = Win32WindowPeer::ForWindow(hwnd);
    reinterpret_cast<CDialog*>(lParam)->Attach(peer);
    RECT before{};
    GetWindowRect(hwnd, &before);
    const INT_PTR result = peer->Dispatch(message, wParam, lParam);
    RECT after{};
    GetWindowRect(hwnd, &after);
    if (EqualRect(&before, &after)) {
        CenterDialog(hwnd);
    }
    return result;
}

int Win32Backend::MessageBox(const std::string& utf8Text, UINT type) {
    return MessageBoxW(OwnerFor(nullptr), Utf8ToUtf16(utf8Text).c_str(), m_title.c_str(), type);
}

int Win32Backend::GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

void Win32Backend::PostToWindowThread(std::function<void()> work) {
    auto* posted = new std::function<void()>(std::move(work));
    if (m_postedWork == nullptr ||
        !PostMessageW(m_postedWork, kRunPostedWork, 0, reinterpret_cast<LPARAM>(posted))) {
        delete posted;
    }
}

LRESULT CALLBACK Win32Backend::PostedWorkProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message != kRunPostedWork) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    const std::unique_ptr<std::function<void()>> work(
        reinterpret_cast<std::function<void()>*>(lParam));
    (*work)();
    return 0;
}
