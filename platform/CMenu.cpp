#include "platform/CMenu.h"

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
    m_items.push_back({nFlags, nIDNewItem, lpszNewItem != nullptr ? lpszNewItem : "", false});
    return TRUE;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    for (Item& item : m_items) {
        if ((item.flags & MF_SEPARATOR) == 0 && item.id == nIDCheckItem) {
            const UINT previous = item.flags & MF_CHECKED;
            item.flags = (item.flags & ~MF_CHECKED) | (nCheck & MF_CHECKED);
            item.toggle = true;
            return previous;
        }
    }
    return 0xFFFFFFFF;
}
