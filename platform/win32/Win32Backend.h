// The Windows backend: dialogs from the templates linked into the executable, run by the
// window system's own dialog manager, and its message boxes and metrics.
#pragma once

#include <windows.h>

#include "platform/Backend.h"

class Win32Backend : public Backend {
  public:
    explicit Win32Backend(HINSTANCE instance) : m_instance(instance) {}

    INT_PTR RunModalDialog(CDialog& dialog, UINT templateId, CWnd* parent) override;
    int MessageBox(const std::string& utf8Text, UINT type) override;
    int GetSystemMetrics(int index) override;

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_instance;
};
