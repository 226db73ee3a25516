// The pixels of a one-pixel cosmetic line, chosen as the window system chooses them.
#pragma once

#include <cstdint>

#include "platform/CRect.h"
#include "platform/WinTypes.h"

class Surface;

// Coordinates beyond this magnitude are refused, as the window system's 28.4 fixed-point
// device coordinates do; it keeps every error term inside 64 bits.
constexpr int kLineCoordinateLimit = 1 << 27;

// Sets the pixels of the line from `from` toward `to` to `rgb`, the end point excluded,
// inside `clip` (which lies inside the target). False when a coordinate is out of range.
//
// Bresenham along the longer axis; where the line passes exactly between two pixels it
// takes the one with the smaller coordinate, so that a line covers the same pixels
// whichever way it is drawn.
bool DrawLine(Surface& target, const CRect& clip, POINT from, POINT to, std::uint32_t rgb);
