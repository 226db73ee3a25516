// A menu as a list of items. The windowing backend shows it; the program only appends.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CMenu {
  public:
    struct Item {
        UINT flags;
        UINT_PTR id;
        std::string text;  // UTF-8; empty for a separator
    };

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    const std::vector<Item>& Items() const { return m_items; }

  private:
    std::vector<Item> m_items;
};
