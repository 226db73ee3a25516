// Writes a surface as the window system's own picture file: a 24-bit, uncompressed,
// bottom-up BMP with a 40-byte info header and rows padded to four bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Surface;

// The whole file, byte for byte.
std::vector<std::uint8_t> EncodeBmp24(const Surface& surface);

// Writes the file next to `path` and then moves it into place, so that a failed write
// never leaves a half-written picture or destroys an earlier one. On failure returns
// false and says why in `error`.
bool WriteBmp24(const Surface& surface, const std::string& path, std::string& error);
