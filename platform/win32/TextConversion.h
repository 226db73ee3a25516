// UTF-8, the program's own text, to and from the UTF-16 of the window system's ...W calls,
// so that Chinese texts show right whatever the system's code page.
#pragma once

#include <string>

std::wstring Utf8ToUtf16(const std::string& utf8);
std::string Utf16ToUtf8(const std::wstring& utf16);
