// Dialog units to pixels, by the window system's rule: a horizontal unit is a quarter of
// the dialog font's average character width, a vertical unit an eighth of its height.
#pragma once

#include "platform/CRect.h"

#ifndef _WIN32
// a * b / c rounded half away from zero, in 64 bits; -1 when c is 0 or the result
// does not fit. Windows has its own.
int MulDiv(int a, int b, int c);
#endif

struct DialogBaseUnits {
    int x;  // average character width, pixels
    int y;  // character height, pixels

    // From the width of "A".."Z" followed by "a".."z" and the font's height.
    static DialogBaseUnits FromFontMeasures(int alphabetWidth, int fontHeight);

    // Maps a rectangle given as x, y, width, height in dialog units to pixels. Each edge
    // is mapped on its own, as the window system does.
    CRect ToPixels(int x, int y, int width, int height) const;
};

// The letters whose average width sets the horizontal unit.
constexpr const char* kDialogUnitAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// A font size in points as pixels at the 96 dots per inch that dialog layouts assume.
int PointsToPixels(int points);
