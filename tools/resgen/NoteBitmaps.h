// The three 25 × 15 whole-note pictures: the black glyph, the red glyph and the mask.
#pragma once

#include "platform/Surface.h"

struct NoteBitmaps {
    Surface glyph;
    Surface selected;
    Surface mask;
};

NoteBitmaps DrawNoteBitmaps();
// The same three at twice the size, 50 × 30, straight from the drawn ring: for screens
// of two device pixels to the pixel.
NoteBitmaps DrawDoubleNoteBitmaps();
