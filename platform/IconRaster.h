// Drawing an icon image onto a surface through its transparency mask.
#pragma once

#include "platform/CRect.h"
#include "platform/Icon.h"

// The image drawn at `size` pixels: the one of that size, else the largest; nullptr when
// the icon has no image.
const IconImage* ChooseIconImage(HICON icon, int size);

// Draws `image` as a size × size square at (x, y), inside `clip` (which lies inside the
// target), scaling by nearest pixel when its size differs. Where the mask is set the
// target's pixel is XORed with the image's colour (left as it was over black); elsewhere
// the pixel takes the colour.
void DrawIconImage(Surface& target, const CRect& clip, int x, int y, const IconImage& image,
                   int size);
