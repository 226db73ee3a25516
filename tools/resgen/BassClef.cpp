#include "tools/resgen/Clefs.h"

void InkBassClef(InkCanvas& ink) {
    // The round head sits on the F line; the stroke leaves it upward, sweeps over to the
    // right and tapers down to the lower left.
    ink.Disc(23.3, 67.6, 4.9);
    ink.Stroke({
        {24.6, 64.0, 3.4},
        {26.4, 58.0, 2.0},
        {32.0, 53.4, 1.6},
        {40.0, 54.5, 2.8},
        {45.0, 60.5, 5.0},
        {45.6, 68.5, 6.4},
        {43.5, 77.5, 5.6},
        {37.0, 86.0, 4.0},
        {28.5, 92.5, 2.6},
        {19.5, 96.6, 1.2},
    });
    // The two dots, one either side of the F line.
    ink.Disc(53.5, 61.5, 2.45);
    ink.Disc(53.5, 73.5, 2.45);
}
