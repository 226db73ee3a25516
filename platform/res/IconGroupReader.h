// Reads an icon-group resource: a directory whose entries name the icon resources
// (RT_ICON) that hold each image.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct IconGroupEntry {
    int width = 0;  // 0 in the directory means 256
    int height = 0;
    int colourCount = 0;
    int planes = 0;
    int bitCount = 0;
    std::uint32_t bytes = 0;
    std::uint16_t iconId = 0;
};

// nullopt when the header is not an icon directory or the entries run past the end.
std::optional<std::vector<IconGroupEntry>> ReadIconGroup(std::span<const std::uint8_t> bytes);
