// A whole edit through the control's messages on a headless window: press, drags across
// several staff positions and off the clamp, release, a second pick-up. Every frame the
// window paints is compared with the frame expected from the pictures and the rules.
#include <gtest/gtest.h>

#include "PixelCheck.h"
#include "StaffReference.h"
#include "staff/test/HeadlessStaff.h"

namespace {

using paint_test::ExpectedFrame;
using paint_test::LoadStaffPictures;
using paint_test::SameSurface;
using paint_test::StaffPictures;

struct EditStep {
    UINT message;
    int x;
    int y;
    // Where the note must stand afterwards, and whether it is being dragged (red).
    int noteX;
    int noteY;
    bool dragged;
};

// The pointer is clamped into x 80..568, y 39..123; on release y moves toward the middle
// line onto its line or space, 81 + 7 * ((y - 81) / 7).
const EditStep kEdit[] = {
    {WM_LBUTTONDOWN, 200, 90, 200, 90, true},
    {WM_MOUSEMOVE, 205, 96, 205, 96, true},
    {WM_MOUSEMOVE, 215, 60, 215, 60, true},
    {WM_MOUSEMOVE, 230, 25, 230, 39, true},    // above the clamp: on the upper ledger line
    {WM_MOUSEMOVE, 240, 140, 240, 123, true},  // below it: on the lower ledger line
    {WM_MOUSEMOVE, 75, 100, 80, 100, true},    // left of the clamp
    {WM_MOUSEMOVE, 250, 94, 250, 94, true},
    {WM_LBUTTONUP, 250, 94, 250, 88, false},   // one row above the line snaps to the space
    {WM_LBUTTONDOWN, 255, 90, 255, 90, true},  // picks the note up again
    {WM_MOUSEMOVE, 300, 130, 300, 123, true},
    {WM_LBUTTONUP, 300, 130, 300, 123, false},  // stays on the ledger line, now black
};

TEST(EditReplay, EveryPaintedFrameMatchesTheExpectedPixels) {
    HeadlessStaff canvas;
    canvas.Staff().SetClef(true);
    const StaffPictures pictures = LoadStaffPictures(true);
    ASSERT_FALSE(pictures.staff.IsEmpty());
    canvas.Staff().SetMaxNotes(1);
    canvas.Staff().InitMidi();
    canvas.Repaint();
    ASSERT_TRUE(SameSurface(canvas.Screen(), pictures.staff));

    int frame = 0;
    for (const EditStep& step : kEdit) {
        SCOPED_TRACE(::testing::Message()
                     << "frame " << ++frame << " after message 0x" << std::hex << step.message
                     << std::dec << " at " << step.x << "," << step.y);
        canvas.window.Deliver(step.message, step.message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                              MAKELPARAM(step.x, step.y));
        ASSERT_TRUE(canvas.window.RunPendingPaint()) << "every step asks for a repaint";
        ASSERT_EQ(canvas.Staff().NoteCount(), 1);
        ASSERT_EQ(canvas.Staff().NoteCentre(0), CPoint(step.noteX, step.noteY));
        EXPECT_TRUE(SameSurface(canvas.Screen(),
                                ExpectedFrame(pictures, {{step.noteX, step.noteY, step.dragged}})));
        EXPECT_FALSE(canvas.window.IsPaintPending());
    }
}

}  // namespace
