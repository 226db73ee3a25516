// The Windows backend: dialogs from the templates linked into the executable, run by the
// window system's own dialog manager, and its message boxes and metrics.
#pragma once

#include <windows.h>

#include <string>

#include "platform/Backend.h"

class Win32Backend : public Backend {
  public:
    // Message boxes carry `title`, the program's name.
    // COM is set up on this thread for as long as the backend lives: the windows hand
    // screen readers their accessible objects through it.
    Win32Backend(HINSTANCE instance, const std::string& title);
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    INT_PTR RunModalDialog(CDialog& dialog, UINT templateId, CWnd* parent) override;
    int MessageBox(const std::string& utf8Text, UINT type) override;
    int GetSystemMetrics(int index) override;
    // A posted message to a message-only window of the backend's own, which every message
    // loop of the thread, a modal dialog's too, hands on.
    void PostToWindowThread(std::function<void()> work) override;

  private:
    static LRESULT CALLBACK PostedWorkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_instance;
    std::wstring m_title;
    bool m_com;
    HWND m_postedWork = nullptr;
};
