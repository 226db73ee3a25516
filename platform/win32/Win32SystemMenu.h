// A window's system menu as the program builds it: the program changes a CMenu copy, and
// after each message new items are added to the real system menu and changed check marks
// set there.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/CMenu.h"

class Win32SystemMenu {
  public:
    explicit Win32SystemMenu(HWND hwnd) : m_hwnd(hwnd) {}

    // The copy, or nullptr when the window has no system menu; `revert` restores the
    // system's own menu and forgets the copy.
    CMenu* Get(BOOL revert);
    void ShowChanges();

  private:
    HWND m_hwnd;
    CMenu m_menu;
    // The flags of the items shown so far.
    std::vector<UINT> m_flagsShown;
};
