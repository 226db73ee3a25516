// Writes a surface as the window system's own picture file: a 24-bit, uncompressed,
// bottom-up BMP with a 40-byte info header and rows padded to four bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Surface;

// The whole file, byte for byte.
std::vector<std::uint8_t> EncodeBmp24(const Surface& surface);

// Writes the file to `path` as WriteOutputFile does: a regular file is replaced whole or
// not at all. On failure returns false and says why in `error`.
bool WriteBmp24(const Surface& surface, const std::string& path, std::string& error);
