// The pitch the microphone hears, drawn over the staff: a grey note at its place (ledger
// lines included), an arrow past the edge for a pitch beyond the staff, and once nothing is
// heard the staff exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "PixelCheck.h"
#include "staff/test/HeadlessStaff.h"

namespace {

struct HeardCase {
    double key;
    int scale;
    int step;    // where the note shows, treble clef, one ledger line
    int beyond;  // +1 an arrow up, -1 down
};

constexpr HeardCase kHeard[] = {
    {69.2, 1, 6, 0},
    {100.0, 1, 13, 1},
    {40.0, 1, 1, -1},
    {40.0, 2, 1, -1},
};

constexpr int kHeardX = 530;  // the last of five columns

std::uint32_t Darkest(const Surface& frame, int left, int top, int right, int bottom) {
    std::uint32_t darkest = 0xFF;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            darkest = std::min(darkest, frame.Pixel(x, y) & 0xFFu);
        }
    }
    return darkest;
}

class HeardPaint : public ::testing::TestWithParam<HeardCase> {};

TEST_P(HeardPaint, GreyNoteAtItsPlaceThenTheStaffAsBefore) {
    const HeardCase& c = GetParam();
    HeadlessStaff canvas;
    canvas.window.SetPaintScale(c.scale);
    canvas.Staff().SetClef(staff::Clef::Treble);
    canvas.Repaint();
    const Surface before = canvas.Screen();

    canvas.Staff().SetHeardPitch(c.key);
    canvas.Repaint();
    const Surface heard = canvas.Screen();
    const int s = c.scale;
    const int y = staff::StepToY(c.step);
    // The ring is grey, darker than the paper and lighter than ink, in the rows above its
    // middle that no line crosses.
    const std::uint32_t ring =
        Darkest(heard, (kHeardX - 12) * s, (y - 6) * s, (kHeardX + 13) * s, (y - 2) * s);
    EXPECT_GT(ring, 0x40u);
    EXPECT_LT(ring, 0xC0u);
    // Beyond the staff, a black arrow past the note's edge on its side; else none.
    const int arrowTop = c.beyond > 0 ? y - 21 : y + 9;
    const std::uint32_t arrow =
        Darkest(heard, kHeardX * s, arrowTop * s, (kHeardX + 1) * s, (arrowTop + 12) * s);
    EXPECT_EQ(arrow == 0, c.beyond != 0);
    // Nothing drawn left of the heard note's column.
    const Surface left = [&] {
        Surface cut = heard;
        for (int row = 0; row < cut.Height(); ++row) {
            std::copy(before.Row(row) + (kHeardX - 26) * s, before.Row(row) + before.Width(),
                      cut.Row(row) + (kHeardX - 26) * s);
        }
        return cut;
    }();
    EXPECT_TRUE(paint_test::SameSurface(left, before));

    canvas.Staff().SetHeardPitch(std::nullopt);
    canvas.Repaint();
    EXPECT_TRUE(paint_test::SameSurface(canvas.Screen(), before));
}

INSTANTIATE_TEST_SUITE_P(Staff, HeardPaint, ::testing::ValuesIn(kHeard));

}  // namespace
