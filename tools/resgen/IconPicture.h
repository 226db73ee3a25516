// The program's icon: a note on a staff, in the standard 16 colours.
#pragma once

#include <string>

#include "platform/Surface.h"
#include "tools/resgen/IcoFile.h"

// `size` is 32 or 16.
IndexedImage DrawIconImage(int size);

// The sizes a desktop's icon theme shows in docks and software centres.
inline constexpr int kLargeIconSizes[] = {48, 64, 128, 256};
// The 32 × 32 picture drawn again at `size`, everything scaled alike, in full colour with
// smooth edges.
Surface DrawLargeIcon(int size);
// The same picture as an SVG document on a 32 × 32 canvas, for any size.
std::string IconSvg();
