// What the program's accessible objects and a screen reader's calls share through MSAA:
// the IAccessible interface id and the VARIANT that carries a child id or a role.
#pragma once

#include <windows.h>

// Defined here: mingw's import library resolves IID_IAccessible to a jump thunk, and every
// query made with it, or compared against it, fails.
inline constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

inline VARIANT LongVariant(long value) {
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_I4;
    variant.lVal = value;
    return variant;
}
