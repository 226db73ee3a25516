// The 25 × 15 whole-note pictures: the black glyph, the red glyph, the green glyph of a
// note answered right, and the mask.
#pragma once

#include "platform/Surface.h"

struct NoteBitmaps {
    Surface glyph;
    Surface selected;
    Surface right;
    Surface mask;
};

NoteBitmaps DrawNoteBitmaps();
// The same at twice the size, 50 × 30, straight from the drawn ring: for screens
// of two device pixels to the pixel.
NoteBitmaps DrawDoubleNoteBitmaps();
