// Staves of more ledger lines and the C clefs, at one and two surface pixels to the pixel:
// a note on each outermost position and on the middle line, against the pictures.
#include <gtest/gtest.h>

#include <tuple>

#include "PixelCheck.h"
#include "StaffReference.h"
#include "staff/test/HeadlessStaff.h"

namespace {

using paint_test::ExpectedFrame;
using paint_test::ExpectedNote;
using paint_test::LoadStaffPictures;
using paint_test::LoadTallStaffPictures;
using paint_test::SameSurface;
using staff::Clef;

// Each clef, with one ledger line, three and four, at one and two surface pixels to the pixel.
class LedgerPaint : public ::testing::TestWithParam<std::tuple<Clef, int, int>> {};

TEST_P(LedgerPaint, OutermostNotesGetEveryLedgerLineOfTheirSide) {
    const auto [clef, ledgerLines, scale] = GetParam();
    const staff::StaffGeometry geometry(ledgerLines);
    HeadlessStaff canvas;
    canvas.window.SetPaintScale(scale);
    canvas.Staff().MoveWindow(0, 0, staff::kStaffWidth, geometry.Height(), FALSE);
    canvas.Staff().SetLedgerLines(ledgerLines);
    canvas.Staff().SetClef(clef);
    const std::vector<ExpectedNote> notes = {{150, geometry.StepToY(geometry.HighestStep()), false},
                                             {300, geometry.MiddleLineY(), false},
                                             {450, geometry.StepToY(geometry.LowestStep()), true}};
    for (const ExpectedNote& note : notes) {
        canvas.Staff().AddNotes({CPoint(static_cast<int>(note.x), static_cast<int>(note.y))});
    }
    canvas.Staff().Select(2);
    canvas.Repaint();
    const Surface expected = ExpectedFrame(LoadTallStaffPictures(clef, ledgerLines, scale), notes);
    ASSERT_EQ(expected.Height(), geometry.Height() * scale) << "the pictures did not load";
    EXPECT_TRUE(SameSurface(canvas.Screen(), expected));
}

INSTANTIATE_TEST_SUITE_P(Clefs, LedgerPaint,
                         ::testing::Combine(::testing::Values(Clef::Treble, Clef::Bass, Clef::Alto,
                                                              Clef::Tenor),
                                            ::testing::Values(1, 3, 4), ::testing::Values(1, 2)));

// The tall pictures are the original staves with room above and below: their middle is
// the original picture, pixel for pixel, at both sizes.
TEST(TallStaffPictures, HoldTheOriginalStavesInTheirMiddle) {
    for (const int scale : {1, 2}) {
        EXPECT_TRUE(SameSurface(LoadTallStaffPictures(Clef::Treble, 1, scale).staff,
                                LoadStaffPictures(true, scale).staff));
        EXPECT_TRUE(SameSurface(LoadTallStaffPictures(Clef::Bass, 1, scale).staff,
                                LoadStaffPictures(false, scale).staff));
    }
}

}  // namespace
