// The tip over a window: the owner names what lies under the pointer, and a tooltip
// control that the window's mouse messages are relayed to shows it.
#pragma once

#include <windows.h>

#include <string>

#include "platform/CPoint.h"
#include "platform/CRect.h"

class CWnd;

class Win32ToolTip {
  public:
    explicit Win32ToolTip(HWND hwnd) : m_hwnd(hwnd) {}
    ~Win32ToolTip();
    Win32ToolTip(const Win32ToolTip&) = delete;
    Win32ToolTip& operator=(const Win32ToolTip&) = delete;

    void Relay(CWnd* owner, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    // Names what lies under the point in the tip, making the tip when first needed.
    void SetFor(CWnd& owner, CPoint point);

    HWND m_hwnd;
    HWND m_toolTip = nullptr;
    std::wstring m_text;
    CRect m_area;
};
