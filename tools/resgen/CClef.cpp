#include "tools/resgen/Clefs.h"

void InkCClef(InkCanvas& ink, double lineY) {
    // A bold bar and a thin one, the height of four staff spaces.
    ink.Rect(18.0, lineY - 28.0, 23.6, lineY + 28.0);
    ink.Rect(25.6, lineY - 28.0, 27.4, lineY + 28.0);
    // Two arms, mirror images about the clef's line: each leaves the thin bar in a point on
    // the line, swells into a lobe out to the right and turns back over it, ending in a
    // drop beside the bar.
    for (const double side : {-1.0, 1.0}) {
        const auto y = [&](double rise) { return lineY + side * rise; };
        ink.Stroke({
            {27.6, y(0.6), 0.8},
            {30.2, y(4.5), 2.0},
            {33.0, y(8.5), 2.8},
            {37.5, y(11.0), 2.8},
            {43.5, y(12.0), 3.6},
            {48.6, y(16.5), 5.0},
            {48.6, y(22.0), 4.4},
            {44.0, y(26.5), 2.4},
            {37.5, y(27.6), 1.4},
            {33.2, y(25.4), 1.4},
        });
        ink.Disc(34.2, y(21.6), 3.7);
    }
}
