// The clefs as ink on a canvas the size of the staff picture.
#pragma once

#include "tools/resgen/InkCanvas.h"

// A G clef in the box x 17..57, y 29..132, its curl wrapping the line at y = 95.
void InkTrebleClef(InkCanvas& ink);
// An F clef in the box x 16..56, y 52..97: head on the line at y = 67, dots either side.
void InkBassClef(InkCanvas& ink);
