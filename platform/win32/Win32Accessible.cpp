#include "platform/win32/Win32Accessible.h"

#include "platform/win32/MsaaIds.h"
#include "platform/win32/Win32AccessibleObject.h"

Win32Accessible::Win32Accessible(HWND hwnd)
    : m_hwnd(hwnd), m_content(std::make_shared<Content>()) {}

void Win32Accessible::SetText(const std::string& name, const std::string& description) {
    m_content->name = name;
    m_content->description = description;
    if (std::exchange(m_said, true)) {
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
    }
}

void Win32Accessible::SetList(const AccessibleList& list, int told) {
    const AccessibleList before = std::exchange(m_content->list, list);
    m_content->isList = true;
    if (!std::exchange(m_said, true)) {
        return;
    }
    if (told >= 0) {
        const bool moved = told != before.current || list.items.size() != before.items.size();
        const DWORD event =
            moved && GetFocus() == m_hwnd ? EVENT_OBJECT_FOCUS : EVENT_OBJECT_NAMECHANGE;
        NotifyWinEvent(event, m_hwnd, OBJID_CLIENT, told + 1);
    } else if (list.text != before.text) {
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
    }
}

bool Win32Accessible::Answer(WPARAM wParam, LPARAM lParam, LRESULT& result) const {
    if (!m_said || static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT) {
        return false;
    }
    Win32AccessibleObject* object = Win32AccessibleObject::Create(m_hwnd, m_content);
    if (object == nullptr) {
        return false;
    }
    result = LresultFromObject(kIidAccessible, wParam, object);
    object->Release();
    return true;
}
