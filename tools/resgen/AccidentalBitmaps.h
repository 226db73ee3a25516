// The sharp, flat and natural signs drawn before a note and in key signatures, each as a
// black glyph, a red one for a note being dragged and a mask, like the note's pictures.
#pragma once

#include "tools/resgen/NoteBitmaps.h"

enum class Sign { kSharp, kFlat, kNatural };

// At `scale` 2 the same strokes make a picture twice as wide and high.
NoteBitmaps DrawSignBitmaps(Sign sign, int scale = 1);
