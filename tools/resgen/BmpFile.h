// Encodes a picture as a Windows .bmp file: 24 bits a pixel, uncompressed, bottom-up.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Surface.h"

std::vector<std::uint8_t> EncodeBmp24(const Surface& picture);
