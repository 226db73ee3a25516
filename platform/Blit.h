// The raster loops behind BitBlt and PatBlt: the caller clips once, then each loop runs
// over row pointers with no per-pixel checks.
#pragma once

#include <cstdint>

#include "platform/CRect.h"
#include "platform/WinTypes.h"

class Surface;

// A block transfer: the width × height block at (xSrc, ySrc) of the source onto (x, y)
// of the target.
struct BlitArea {
    int x;
    int y;
    int width;
    int height;
    int xSrc;
    int ySrc;
};

// Shrinks `area` so that its target part lies inside `clip` and its source part inside a
// sourceWidth × sourceHeight picture, moving both corners together. False when nothing
// is left.
bool ClipBlitArea(BlitArea& area, const CRect& clip, int sourceWidth, int sourceHeight);

// SRCCOPY, MERGEPAINT and SRCAND.
bool IsSupportedRop(DWORD rop);

// Combines the source's pixels with the target's over an area that ClipBlitArea has
// clipped to both; each 8-bit channel bit by bit. The source may be the target itself.
void RunBlit(Surface& target, const Surface& source, const BlitArea& area, DWORD rop);

// Sets every pixel of `rect`, already clipped to the target, to `rgb`.
void FillArea(Surface& target, const CRect& rect, std::uint32_t rgb);
