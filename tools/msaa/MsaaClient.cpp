// canzet-msaa WINDOW-TITLE CONTROL-ID: finds the top-level window with that title, asks
// its control for its accessible object as a screen reader does (AccessibleObjectFromWindow,
// OBJID_CLIENT) and prints, in UTF-8, one line each: name, role, value, description, child
// count, then every child's name, description and focused/selected states. Exit status 1
// when the window, the control or the object cannot be found.
#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/win32/MsaaIds.h"

namespace {

std::string Utf8(const wchar_t* text) {
    if (text == nullptr) {
        return "(none)";
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);
    return utf8;
}

template <typename Getter>
std::string Text(Getter get) {
    BSTR text = nullptr;
    const HRESULT result = get(&text);
    std::string utf8 = SUCCEEDED(result) ? Utf8(text) : "(error)";
    SysFreeString(text);
    return utf8;
}

void Line(const char* what, const std::string& value) {
    std::printf("%s: %s\n", what, value.c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: canzet-msaa WINDOW-TITLE CONTROL-ID\n", stderr);
        return 2;
    }
    HWND window = FindWindowW(nullptr, argv[1]);
    HWND control =
        window != nullptr ? GetDlgItem(window, std::wcstol(argv[2], nullptr, 10)) : nullptr;
    if (control == nullptr) {
        std::fputs("canzet-msaa: no such window or control\n", stderr);
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                          reinterpret_cast<void**>(&object))) ||
        object == nullptr) {
        std::fputs("canzet-msaa: no accessible object\n", stderr);
        return 1;
    }
    const VARIANT self = LongVariant(CHILDID_SELF);
    Line("name", Text([&](BSTR* t) { return object->get_accName(self, t); }));
    VARIANT role;
    VariantInit(&role);
    object->get_accRole(self, &role);
    Line("role", std::to_string(role.vt == VT_I4 ? role.lVal : -1));
    Line("value", Text([&](BSTR* t) { return object->get_accValue(self, t); }));
    Line("description", Text([&](BSTR* t) { return object->get_accDescription(self, t); }));
    long count = 0;
    object->get_accChildCount(&count);
    Line("children", std::to_string(count));
    for (long id = 1; id <= count; ++id) {
        const VARIANT child = LongVariant(id);
        VARIANT state;
        VariantInit(&state);
        object->get_accState(child, &state);
        const long flags = state.vt == VT_I4 ? state.lVal : 0;
        std::string marks;
        marks += (flags & STATE_SYSTEM_FOCUSED) != 0 ? " focused" : "";
        marks += (flags & STATE_SYSTEM_SELECTED) != 0 ? " selected" : "";
        std::printf("child %ld: %s | %s |%s\n", id,
                    Text([&](BSTR* t) { return object->get_accName(child, t); }).c_str(),
                    Text([&](BSTR* t) { return object->get_accDescription(child, t); }).c_str(),
                    marks.c_str());
    }
    object->Release();
    CoUninitialize();
    return 0;
}
