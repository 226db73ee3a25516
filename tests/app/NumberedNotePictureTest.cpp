// A numbered note at one and two surface pixels to the pixel: its dots on the side and in
// the number its octave says, clear of the digit, nothing drawn outside the digit, its sign
// and its dots, and the 2x picture the 1x one with every pixel doubled.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/NumberedNote.h"
#include "platform/Surface.h"

namespace {

using L = NumberedNoteLayout;
const CRect kBox(0, 0, 30, 40);

class SurfaceDC : public CDC {
  public:
    SurfaceDC(Surface& surface, int scale) { SetTarget(&surface, kBox, scale); }
};

bool Black(const Surface& s, int x, int y) {
    return (s.Pixel(x, y) & 0x00FFFFFF) == Surface::kBlack;
}

struct DottedCase {
    int degree;
    int alteration;
    int dots;
};

const DottedCase kCases[] = {{1, 0, 0},  {2, 0, 1},  {3, 0, -1}, {4, 1, 2},
                             {5, 0, -2}, {6, -1, 3}, {7, 0, -3}};

// The surface pixels of client pixel (x, y): any of them black, or all of them.
bool AnyBlack(const Surface& s, int scale, int x, int y, bool all) {
    for (int t = 0; t < scale * scale; ++t) {
        if (Black(s, x * scale + t % scale, y * scale + t / scale) != all) {
            return !all;
        }
    }
    return all;
}

TEST(NumberedNotePicture, DotsAboveOrBelowTheDigitAtEitherScale) {
    for (const int scale : {1, 2}) {
        for (const DottedCase& c : kCases) {
            SCOPED_TRACE(testing::Message() << c.degree << " at " << scale << "x");
            const staff::NoteName name{
                .degree = c.degree, .degreeAlteration = c.alteration, .dots = c.dots};
            Surface canvas(kBox.Width() * scale, kBox.Height() * scale);
            SurfaceDC dc(canvas, scale);
            dc.PatBlt(0, 0, kBox.Width(), kBox.Height(), WHITENESS);
            DrawNumberedNote(dc, kBox, name);

            const CRect digit = L::DigitBox(kBox, name);
            // The sign stands before the digit, on the same rows.
            const CRect inked(digit.left - (c.alteration != 0 ? L::kSignWidth + L::kSignGap : 0),
                              digit.top, digit.right, digit.bottom);
            std::vector<CRect> dots;
            for (int i = 0; i < std::abs(c.dots); ++i) {
                dots.push_back(L::DotBox(digit, name, i));
                EXPECT_EQ(c.dots > 0, dots.back().bottom < digit.top);
            }
            int stray = 0;
            int digitInk = 0;
            int dotInk = 0;
            for (int y = 0; y < kBox.Height(); ++y) {
                for (int x = 0; x < kBox.Width(); ++x) {
                    const CPoint pt(x, y);
                    bool onDot = false;
                    for (const CRect& dot : dots) {
                        onDot = onDot || PtInRect(&dot, pt);
                    }
                    const bool any = AnyBlack(canvas, scale, x, y, false);
                    stray += any && !onDot && !PtInRect(&inked, pt) ? 1 : 0;
                    digitInk += any && PtInRect(&digit, pt) ? 1 : 0;
                    dotInk += onDot && AnyBlack(canvas, scale, x, y, true) ? 1 : 0;
                }
            }
            EXPECT_EQ(stray, 0);
            EXPECT_GT(digitInk, 2 * L::kDigitHeight);
            EXPECT_EQ(dotInk, std::abs(c.dots) * L::kDot * L::kDot);
            // Nothing in the gap between the digit and its first dot.
            const int gapRow = c.dots > 0 ? digit.top - 1 : digit.bottom;
            for (int x = 0; x < kBox.Width() && c.dots != 0; ++x) {
                EXPECT_FALSE(AnyBlack(canvas, scale, x, gapRow, false)) << x;
            }
        }
    }
}

}  // namespace
