#include "tools/resgen/AccidentalBitmaps.h"

#include "staff/SignLayout.h"
#include "tools/resgen/InkCanvas.h"

namespace {

// A thick stroke rising to the right as engraved signs have, its ends cut upright.
void Beam(InkCanvas& ink, double left, double right, double centreY, double rise,
          double thickness) {
    const double mid = (left + right) / 2;
    const double slope = rise / (right - left);
    const double yLeft = centreY + (mid - left) * slope;
    const double yRight = centreY - (right - mid) * slope;
    ink.Polygon({{left, yLeft - thickness / 2},
                 {right, yRight - thickness / 2},
                 {right, yRight + thickness / 2},
                 {left, yLeft + thickness / 2}});
}

void Stem(InkCanvas& ink, double left, double right, double top, double bottom) {
    ink.Polygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

// Two upright stems, the right one standing higher, crossed by two thick beams either
// side of the sign's line or space.
void InkSharp(InkCanvas& ink, double centre) {
    Stem(ink, 3.0, 4.8, centre - 15.0, centre + 19.0);
    Stem(ink, 9.0, 10.8, centre - 19.0, centre + 15.0);
    Beam(ink, 0.5, 13.5, centre - 6.0, 3.6, 4.2);
    Beam(ink, 0.5, 13.5, centre + 6.0, 3.6, 4.2);
}

// A tall thin stem with a bowl that swells to the right and tapers back into its foot.
void InkFlat(InkCanvas& ink, double centre) {
    Stem(ink, 1.4, 3.2, 0.5, centre + 8.8);
    ink.Stroke({
        {2.8, centre - 1.4, 1.4},
        {5.6, centre - 4.6, 2.2},
        {9.0, centre - 4.8, 3.0},
        {10.6, centre - 1.6, 3.4},
        {8.8, centre + 3.4, 2.8},
        {5.6, centre + 6.6, 1.8},
        {2.8, centre + 8.6, 1.2},
    });
}

// The left stem from the top down to the lower beam, the right one from the upper beam
// down to the bottom, the two beams between them.
void InkNatural(InkCanvas& ink, double centre) {
    Stem(ink, 1.0, 2.8, centre - 19.0, centre + 8.0);
    Stem(ink, 7.2, 9.0, centre - 8.0, centre + 19.0);
    Beam(ink, 1.0, 9.0, centre - 5.0, 2.6, 3.8);
    Beam(ink, 1.0, 9.0, centre + 5.0, 2.6, 3.8);
}

}  // namespace

NoteBitmaps DrawSignBitmaps(Sign sign, int scale) {
    // The sizes and the anchor row the staff lays the signs out by: the sign's own line or
    // space runs through the middle of that row.
    const staff::SignPicture picture =
        staff::SignPictureOf(sign == Sign::kSharp  ? staff::Accidental::Sharp
                             : sign == Sign::kFlat ? staff::Accidental::Flat
                                                   : staff::Accidental::Natural);
    const int width = scale * picture.width;
    const int height = scale * picture.height;
    const double centre = picture.anchorRow + 0.5;
    InkCanvas ink(width, height, 16, scale);
    if (sign == Sign::kSharp) {
        InkSharp(ink, centre);
    } else if (sign == Sign::kFlat) {
        InkFlat(ink, centre);
    } else {
        InkNatural(ink, centre);
    }
    // A sign has no shade of its own for a right answer.
    return BitmapsOfInk(ink, false);
}
