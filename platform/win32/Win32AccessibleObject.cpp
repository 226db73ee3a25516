#include "platform/win32/Win32AccessibleObject.h"

#include "platform/win32/MsaaIds.h"
#include "platform/win32/TextConversion.h"
#include "platform/win32/Win32Dpi.h"

namespace {

// {618736E0-3C3D-11CF-810C-00AA00389B71}, {00000000-...-C000-000000000046} and
// {00020400-...-C000-000000000046}.
constexpr IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

HRESULT Text(const std::string& text, BSTR* out) {
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    if (text.empty()) {
        return S_FALSE;
    }
    *out = SysAllocString(Utf8ToUtf16(text).c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

Win32AccessibleObject* Win32AccessibleObject::Create(
    HWND hwnd, std::shared_ptr<const Win32Accessible::Content> content) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, kIidAccessible,
                                         reinterpret_cast<void**>(&standard))) ||
        standard == nullptr) {
        return nullptr;
    }
    return new Win32AccessibleObject(hwnd, standard, std::move(content));
}

Win32AccessibleObject::Win32AccessibleObject(
    HWND hwnd, IAccessible* standard, std::shared_ptr<const Win32Accessible::Content> content)
    : m_hwnd(hwnd), m_standard(standard), m_content(std::move(content)) {}

Win32AccessibleObject::~Win32AccessibleObject() {
    m_standard->Release();
}

HRESULT Win32AccessibleObject::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(riid, kIidAccessible) || IsEqualIID(riid, kIidDispatch) ||
        IsEqualIID(riid, kIidUnknown)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG Win32AccessibleObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG Win32AccessibleObject::Release() {
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT Win32AccessibleObject::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_INVALIDARG;
    }
    *count = 0;
    return S_OK;
}
HRESULT Win32AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}
HRESULT Win32AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}
HRESULT Win32AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                      UINT*) {
    return E_NOTIMPL;
}

bool Win32AccessibleObject::IsSelf(const VARIANT& child) const {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

const AccessibleItem* Win32AccessibleObject::Item(const VARIANT& child) const {
    const auto& items = m_content->list.items;
    if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > static_cast<long>(items.size())) {
        return nullptr;
    }
    return &items[static_cast<std::size_t>(child.lVal - 1)];
}

HRESULT Win32AccessibleObject::get_accParent(IDispatch** parent) {
    return m_standard->get_accParent(parent);
}

HRESULT Win32AccessibleObject::get_accChildCount(long* count) {
    if (!m_content->isList) {
        return m_standard->get_accChildCount(count);
    }
    if (count == nullptr) {
        return E_INVALIDARG;
    }
    *count = static_cast<long>(m_content->list.items.size());
    return S_OK;
}

// The items are simple elements, not objects of their own.
HRESULT Win32AccessibleObject::get_accChild(VARIANT child, IDispatch** dispatch) {
    if (dispatch == nullptr) {
        return E_INVALIDARG;
    }
    *dispatch = nullptr;
    return Item(child) != nullptr ? S_FALSE : E_INVALIDARG;
}

HRESULT Win32AccessibleObject::get_accName(VARIANT child, BSTR* name) {
    if (const AccessibleItem* item = Item(child)) {
        return Text(item->name, name);
    }
    if (!IsSelf(child)) {
        return E_INVALIDARG;
    }
    const std::string& own = m_content->isList ? m_content->list.name : m_content->name;
    return own.empty() ? m_standard->get_accName(child, name) : Text(own, name);
}

HRESULT Win32AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
    if (Item(child) != nullptr) {
        return Text({}, value);
    }
    if (!IsSelf(child)) {
        return E_INVALIDARG;
    }
    return m_content->isList ? Text(m_content->list.text, value)
                             : m_standard->get_accValue(child, value);
}

HRESULT Win32AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
    if (const AccessibleItem* item = Item(child)) {
        return Text(item->description, description);
    }
    if (!IsSelf(child)) {
        return E_INVALIDARG;
    }
    return Text(m_content->isList ? m_content->list.text : m_content->description, description);
}

HRESULT Win32AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr) {
        return E_INVALIDARG;
    }
    if (Item(child) != nullptr) {
        *role = LongVariant(ROLE_SYSTEM_LISTITEM);
        return S_OK;
    }
    if (!IsSelf(child)) {
        return E_INVALIDARG;
    }
    if (!m_content->isList) {
        return m_standard->get_accRole(child, role);
    }
    *role = LongVariant(ROLE_SYSTEM_LIST);
    return S_OK;
}

HRESULT Win32AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr) {
        return E_INVALIDARG;
    }
    const AccessibleItem* item = Item(child);
    if (item == nullptr) {
        return IsSelf(child) ? m_standard->get_accState(child, state) : E_INVALIDARG;
    }
    long flags = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (child.lVal - 1 == m_content->list.current) {
        flags |= STATE_SYSTEM_SELECTED | (GetFocus() == m_hwnd ? STATE_SYSTEM_FOCUSED : 0);
    }
    *state = LongVariant(flags);
    return S_OK;
}

HRESULT Win32AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
    return IsSelf(child) ? m_standard->get_accHelp(child, help) : Text({}, help);
}

HRESULT Win32AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    return m_standard->get_accHelpTopic(file, child, topic);
}

HRESULT Win32AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return IsSelf(child) ? m_standard->get_accKeyboardShortcut(child, shortcut)
                         : Text({}, shortcut);
}

HRESULT Win32AccessibleObject::get_accFocus(VARIANT* focus) {
    if (focus == nullptr) {
        return E_INVALIDARG;
    }
    VariantInit(focus);
    if (GetFocus() != m_hwnd) {
        return S_FALSE;
    }
    const int current = m_content->isList ? m_content->list.current : -1;
    *focus = LongVariant(current >= 0 ? current + 1 : CHILDID_SELF);
    return S_OK;
}

HRESULT Win32AccessibleObject::get_accSelection(VARIANT* selection) {
    if (selection == nullptr) {
        return E_INVALIDARG;
    }
    VariantInit(selection);
    const int current = m_content->isList ? m_content->list.current : -1;
    if (current < 0) {
        return S_FALSE;
    }
    *selection = LongVariant(current + 1);
    return S_OK;
}

HRESULT Win32AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    return IsSelf(child) ? m_standard->get_accDefaultAction(child, action) : Text({}, action);
}

HRESULT Win32AccessibleObject::accSelect(long, VARIANT) {
    return E_NOTIMPL;
}

HRESULT Win32AccessibleObject::accLocation(long* left, long* top, long* width, long* height,
                                           VARIANT child) {
    const AccessibleItem* item = Item(child);
    if (item == nullptr) {
        return m_standard->accLocation(left, top, width, height, child);
    }
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
        return E_INVALIDARG;
    }
    const CRect area = Win32Dpi(m_hwnd).ToDevice(item->area);
    POINT corner{area.left, area.top};
    ClientToScreen(m_hwnd, &corner);
    *left = corner.x;
    *top = corner.y;
    *width = area.Width();
    *height = area.Height();
    return S_OK;
}

HRESULT Win32AccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (IsSelf(start) && direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD) {
        return m_standard->accNavigate(direction, start, end);
    }
    if (end == nullptr) {
        return E_INVALIDARG;
    }
    VariantInit(end);
    const long count = static_cast<long>(m_content->list.items.size());
    long to = 0;
    switch (direction) {
        case NAVDIR_FIRSTCHILD:
            to = 1;
            break;
        case NAVDIR_LASTCHILD:
            to = count;
            break;
        case NAVDIR_NEXT:
        case NAVDIR_RIGHT:
            to = Item(start) != nullptr ? start.lVal + 1 : 0;
            break;
        case NAVDIR_PREVIOUS:
        case NAVDIR_LEFT:
            to = Item(start) != nullptr ? start.lVal - 1 : 0;
            break;
        default:
            return S_FALSE;
    }
    if (to < 1 || to > count) {
        return S_FALSE;
    }
    *end = LongVariant(to);
    return S_OK;
}

HRESULT Win32AccessibleObject::accHitTest(long x, long y, VARIANT* child) {
    POINT device{x, y};
    ScreenToClient(m_hwnd, &device);
    const CPoint point = Win32Dpi(m_hwnd).ToClient(device);
    const auto& items = m_content->list.items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CRect& area = items[i].area;
        if (point.x >= area.left && point.x < area.right && point.y >= area.top &&
            point.y < area.bottom && child != nullptr) {
            *child = LongVariant(static_cast<long>(i) + 1);
            return S_OK;
        }
    }
    return m_standard->accHitTest(x, y, child);
}

HRESULT Win32AccessibleObject::accDoDefaultAction(VARIANT child) {
    return IsSelf(child) ? m_standard->accDoDefaultAction(child) : DISP_E_MEMBERNOTFOUND;
}

HRESULT Win32AccessibleObject::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}

HRESULT Win32AccessibleObject::put_accValue(VARIANT, BSTR) {
    return E_NOTIMPL;
}
