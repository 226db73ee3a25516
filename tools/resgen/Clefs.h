// The clefs as ink on a canvas the size of the staff picture.
#pragma once

#include "tools/resgen/InkCanvas.h"

// A G clef in the box x 17..57, y 29..132, its curl wrapping the line at y = 95.
void InkTrebleClef(InkCanvas& ink);
// A C clef centred on the line at `lineY`, its bars reaching 28 pixels (two staff spaces)
// above and below it, in x 17..52: the alto clef on the middle line, the tenor on the fourth.
void InkCClef(InkCanvas& ink, double lineY);
// An F clef in the box x 16..56, y 52..97: head on the line at y = 67, dots either side.
void InkBassClef(InkCanvas& ink);
