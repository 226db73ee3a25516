// The 40-byte BITMAPINFOHEADER that opens a bitmap resource and each image of an icon.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

class ByteReader;

struct BitmapInfoHeader {
    std::int32_t width = 0;
    std::int32_t height = 0;  // an icon image counts its AND mask's rows too
    std::uint16_t bitCount = 0;
    std::uint32_t coloursUsed = 0;
};

// Reads the header at the reader's position; nullopt unless it is whole, of this size, of
// one plane and uncompressed (BI_RGB), the only kind either reader decodes.
std::optional<BitmapInfoHeader> ReadBitmapInfoHeader(ByteReader& in);

// The bytes of one stored row: its pixels padded to whole 32-bit words.
std::size_t RowBytes(int width, int bitsPerPixel);
