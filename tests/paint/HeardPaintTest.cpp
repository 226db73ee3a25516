// The pitch the microphone hears, drawn over the staff: a grey note on the nearest line or
// space as the clef and key signature sound them (halfway: the lower), at the edge with an
// arrow pointing on for a pitch nearer a place beyond the staff, and once nothing is heard
// the staff as it was.
#include <gtest/gtest.h>

#include <algorithm>

#include "PixelCheck.h"
#include "staff/test/HeadlessStaff.h"

namespace {

using staff::Clef;

struct HeardCase {
    double key;
    Clef clef;
    int ledgerLines, signature, scale, step, beyond;  // beyond: +1 an arrow up, -1 down
};

constexpr HeardCase kHeard[] = {
    {66.0, Clef::Treble, 1, 0, 1, 4, 0},   // F#4: halfway, on F
    {59.6, Clef::Treble, 1, 0, 1, 1, 0},   // nearer C4 than B3
    {59.4, Clef::Treble, 1, 0, 2, 1, -1},  // nearer B3: below the staff
    {82.1, Clef::Treble, 1, 0, 1, 13, 1},  // nearer B5: above it
    {29.0, Clef::Bass, 4, 0, 1, -5, 0},    // F1, the fourth ledger line below
    {70.0, Clef::Treble, 1, -1, 1, 7, 0},  // B flat in F major on the B line
    {63.0, Clef::Treble, 1, -3, 1, 3, 0},  // E flat in E flat major on the E line
};
constexpr int kHeardX = 530;  // the last of five columns

class HeardPaint : public ::testing::TestWithParam<HeardCase> {};

TEST_P(HeardPaint, GreyNoteAtItsPlaceThenTheStaffAsBefore) {
    const HeardCase& c = GetParam();
    const staff::StaffGeometry geometry(c.ledgerLines);
    const int s = c.scale;
    const int y = geometry.StepToY(c.step);
    HeadlessStaff canvas;
    canvas.window.SetPaintScale(s);
    canvas.Staff().MoveWindow(0, 0, staff::kStaffWidth, geometry.Height(), FALSE);
    canvas.Staff().SetLedgerLines(c.ledgerLines);
    canvas.Staff().SetClef(c.clef);
    canvas.Staff().SetKeySignature(c.signature);
    canvas.Repaint();
    const Surface before = canvas.Screen();
    canvas.Staff().SetHeardPitch(c.key);
    canvas.Repaint();
    const auto darkest = [&](int left, int top, int right, int bottom) {
        unsigned dark = 0xFF;
        for (int row = top * s; row < bottom * s; ++row) {
            for (int x = left * s; x < right * s; ++x) {
                dark = std::min(dark, canvas.Screen().Pixel(x, row) & 0xFFu);
            }
        }
        return dark;
    };
    // Grey in the ring's rows above and below its middle, which no line crosses.
    for (const int top : {y - 6, y + 2}) {
        const unsigned ring = darkest(kHeardX - 12, top, kHeardX + 13, top + 4);
        EXPECT_TRUE(ring > 0x40 && ring < 0xC0) << ring << " at row " << top;
    }
    const int arrowTop = c.beyond > 0 ? y - 21 : y + 9;
    EXPECT_EQ(darkest(kHeardX, arrowTop, kHeardX + 1, arrowTop + 12) == 0, c.beyond != 0);
    canvas.Staff().SetHeardPitch(std::nullopt);
    canvas.Repaint();
    EXPECT_TRUE(paint_test::SameSurface(canvas.Screen(), before));
}

INSTANTIATE_TEST_SUITE_P(Staff, HeardPaint, ::testing::ValuesIn(kHeard));

}  // namespace
