// Resources linked into the executable, in the language the program chose.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

// The bytes of a resource in the chosen language, else in the fallback one; empty when
// it is in neither.
std::span<const std::uint8_t> FindResourceBytes(LPCWSTR type, LPCWSTR name);
