// Decodes a device-independent bitmap resource (BITMAPINFOHEADER and pixels, no file
// header): 24 bits a pixel, uncompressed, rows padded to 4 bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/Surface.h"

// nullopt for any other format, and for sizes that the bytes do not hold.
std::optional<Surface> DecodeDib24(std::span<const std::uint8_t> bytes);
