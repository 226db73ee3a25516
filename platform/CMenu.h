// A menu as a list of items. The windowing backend shows it; the program appends items and
// checks or unchecks them.
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
        // Set once the program has checked or unchecked the item: it is a toggle, which a
        // backend may show as such in either state.
        bool toggle;
    };

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    // Sets MF_CHECKED or MF_UNCHECKED on the item with that command id (MF_BYCOMMAND).
    // Returns the item's previous state, or 0xFFFFFFFF when there is no such item.
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    const std::vector<Item>& Items() const { return m_items; }

  private:
    std::vector<Item> m_items;
};
