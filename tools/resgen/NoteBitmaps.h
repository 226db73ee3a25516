// The 25 × 15 whole-note pictures: the black glyph, the red glyph, the green glyph of a
// note answered right, and the mask.
#pragma once

#include "platform/Surface.h"

class InkCanvas;

struct NoteBitmaps {
    Surface glyph;
    Surface selected;
    Surface right;  // empty where a picture has no shade for a right answer
    Surface mask;
};

// The pictures straight from the coverage of each pixel of `ink` (the twice-size note, the
// signs): the mask whitens each inked pixel, the glyph's edge shades then show on white, so lines
// under a glyph's edge never darken it. The green glyph only `withRight`.
NoteBitmaps BitmapsOfInk(const InkCanvas& ink, bool withRight);

NoteBitmaps DrawNoteBitmaps();
// The same at twice the size, 50 × 30, straight from the drawn ring: for screens
// of two device pixels to the pixel.
NoteBitmaps DrawDoubleNoteBitmaps();
