// Decodes one icon image (an RT_ICON resource): a BITMAPINFOHEADER whose height counts
// both halves, the colour table, the colour (XOR) rows and the 1-bit transparency (AND)
// rows, all bottom-up.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/Surface.h"

struct IconImageData {
    int bitCount = 0;
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB; empty above 8 bits a pixel
    Surface color;                       // 0x00RRGGBB, rows top to bottom
    std::vector<bool> transparent;       // the AND mask, one flag a pixel, top to bottom
};

// 1, 4, 8, 24 and 32 bits a pixel, uncompressed; nullopt for anything else or for bytes
// that do not hold the declared image.
std::optional<IconImageData> DecodeIconImage(std::span<const std::uint8_t> bytes);
