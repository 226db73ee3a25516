#include "platform/CMenu.h"

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
    m_items.push_back({nFlags, nIDNewItem, lpszNewItem != nullptr ? lpszNewItem : ""});
    return TRUE;
}
