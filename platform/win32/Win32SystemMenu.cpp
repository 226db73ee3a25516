#include "platform/win32/Win32SystemMenu.h"

#include "platform/win32/TextConversion.h"

CMenu* Win32SystemMenu::Get(BOOL revert) {
    if (revert) {
        ::GetSystemMenu(m_hwnd, TRUE);
        m_menu = CMenu();
        m_flagsShown.clear();
        return nullptr;
    }
    return ::GetSystemMenu(m_hwnd, FALSE) != nullptr ? &m_menu : nullptr;
}

void Win32SystemMenu::ShowChanges() {
    const auto& items = m_menu.Items();
    HMENU menu = nullptr;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CMenu::Item& item = items[i];
        const bool shown = i < m_flagsShown.size();
        if (shown && m_flagsShown[i] == item.flags) {
            continue;
        }
        if (menu == nullptr) {
            menu = ::GetSystemMenu(m_hwnd, FALSE);
        }
        if (shown) {
            ::CheckMenuItem(menu, static_cast<UINT>(item.id),
                            MF_BYCOMMAND | (item.flags & MF_CHECKED));
            m_flagsShown[i] = item.flags;
        } else {
            const std::wstring text = Utf8ToUtf16(item.text);
            AppendMenuW(menu, item.flags, item.id,
                        (item.flags & MF_SEPARATOR) != 0 ? nullptr : text.c_str());
            m_flagsShown.push_back(item.flags);
        }
    }
}
