#include "tools/resgen/Clefs.h"

void InkTrebleClef(InkCanvas& ink) {
    // One pen stroke from the inner end of the curl, outward round the G line, up the
    // thick diagonal to the top loop, then down the stem to the tail.
    ink.Stroke({
        {43.0, 95.5, 2.0},  {39.5, 101.5, 2.2}, {33.0, 100.0, 2.6}, {31.0, 91.0, 3.0},
        {37.0, 84.5, 2.2},  {48.0, 84.8, 2.0},  {55.3, 95.0, 3.6},  {51.5, 106.5, 2.6},
        {39.0, 112.0, 1.8}, {26.0, 107.5, 3.6}, {19.5, 94.0, 5.5},  {22.0, 79.0, 5.8},
        {31.0, 67.5, 5.2},  {41.5, 56.5, 4.6},  {47.5, 45.0, 3.6},  {47.5, 35.5, 2.2},
        {44.0, 30.2, 1.6},  {40.0, 33.0, 2.0},  {38.0, 43.0, 2.4},  {38.0, 60.0, 2.4},
        {38.5, 95.0, 2.4},  {39.0, 120.0, 2.4}, {36.8, 129.6, 2.3}, {31.0, 131.4, 2.0},
    });
    // The tail's ball.
    ink.Disc(27.6, 126.9, 4.9);
}
