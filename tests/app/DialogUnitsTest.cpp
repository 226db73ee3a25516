// Dialog units to pixels: the rounding of MulDiv and the base units of a font.
#include <gtest/gtest.h>

#include "platform/DialogUnits.h"

namespace {

struct MulDivCase {
    int a, b, c, expected;
};

void PrintTo(const MulDivCase& m, std::ostream* out) {
    *out << m.a << " * " << m.b << " / " << m.c;
}

class MulDivRounding : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivRounding, RoundsHalvesAwayFromZero) {
    const MulDivCase& m = GetParam();
    EXPECT_EQ(MulDiv(m.a, m.b, m.c), m.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MulDivRounding,
    ::testing::Values(MulDivCase{443, 6, 4, 665},  // 664.5
                      MulDivCase{15, 12, 8, 23},   // 22.5
                      MulDivCase{10, 6, 4, 15}, MulDivCase{5, 1, 3, 2}, MulDivCase{4, 1, 3, 1},
                      MulDivCase{-443, 6, 4, -665}, MulDivCase{443, -6, 4, -665},
                      MulDivCase{443, 6, -4, -665}, MulDivCase{-443, -6, -4, -665},
                      MulDivCase{1, 1, 0, -1},           // no divisor
                      MulDivCase{2000000000, 4, 2, -1},  // does not fit
                      MulDivCase{2000000000, 2000000000, 2000000000, 2000000000}));

TEST(DialogBaseUnits, AverageWidthIsHalfOfTwiceTheLetterWidthRoundedUp) {
    // 52 letters of 6 pixels: 312 / 26 = 12, (12 + 1) / 2 = 6.
    EXPECT_EQ(DialogBaseUnits::FromFontMeasures(312, 12).x, 6);
    EXPECT_EQ(DialogBaseUnits::FromFontMeasures(312, 12).y, 12);
    // 7.5 pixels a letter on average rounds up to 8, 7.4 down to 7.
    EXPECT_EQ(DialogBaseUnits::FromFontMeasures(390, 16).x, 8);
    EXPECT_EQ(DialogBaseUnits::FromFontMeasures(385, 16).x, 7);
}

TEST(DialogBaseUnits, EachEdgeIsMappedOnItsOwn) {
    const DialogBaseUnits units{6, 12};
    // 443..493 across: 664.5 -> 665 and 739.5 -> 740; 231..267: 346.5 -> 347, 400.5 -> 401.
    EXPECT_EQ(units.ToPixels(443, 15, 50, 14), CRect(665, 23, 740, 44));
    EXPECT_EQ(units.ToPixels(231, 148, 36, 26), CRect(347, 222, 401, 261));
    EXPECT_EQ(units.ToPixels(0, 0, 513, 200), CRect(0, 0, 770, 300));
    // 1 unit across from 1: edges 1.5 -> 2 and 3 -> 3, one pixel; width alone would say 2.
    EXPECT_EQ(units.ToPixels(1, 0, 1, 0).Width(), 1);
}

TEST(PointsToPixels, NinePointsAreTwelvePixelsAt96Dpi) {
    EXPECT_EQ(PointsToPixels(9), 12);
    EXPECT_EQ(PointsToPixels(8), 11);  // 10.67
    EXPECT_EQ(PointsToPixels(12), 16);
}

}  // namespace
