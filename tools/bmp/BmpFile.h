// Writes a surface as the window system's own picture file: a 24-bit, uncompressed,
// bottom-up BMP with a 40-byte info header and rows padded to four bytes.
#pragma once

#include <cstdint>
#include <vector>

class Surface;

// The whole file, byte for byte.
std::vector<std::uint8_t> EncodeBmp24(const Surface& surface);
