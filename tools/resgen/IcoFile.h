// Encodes an icon file of 16-colour images with the standard palette and opaque masks.
#pragma once

#include <cstdint>
#include <vector>

// One square image as palette indices 0..15, rows top to bottom.
struct IndexedImage {
    int size = 0;
    std::vector<std::uint8_t> indices;
};

// The standard 16-colour palette, 0x00RRGGBB.
extern const std::uint32_t kStandardPalette[16];

std::vector<std::uint8_t> EncodeIco16(const std::vector<IndexedImage>& images);
