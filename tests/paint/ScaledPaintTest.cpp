// The staff painted two surface pixels to the control pixel: the twice-size pictures at
// doubled places, not the usual frame blown up, while positions stay in control pixels.
#include <gtest/gtest.h>

#include "PixelCheck.h"
#include "StaffReference.h"
#include "staff/test/HeadlessStaff.h"

namespace {

using paint_test::ExpectedFrame;
using paint_test::ExpectedNote;
using paint_test::LoadStaffPictures;
using paint_test::SameSurface;

Surface Doubled(const Surface& frame) {
    Surface doubled(frame.Width() * 2, frame.Height() * 2);
    for (int y = 0; y < doubled.Height(); ++y) {
        for (int x = 0; x < doubled.Width(); ++x) {
            doubled.SetPixel(x, y, frame.Pixel(x / 2, y / 2));
        }
    }
    return doubled;
}

struct Scene {
    const char* name;
    bool treble;
    std::vector<ExpectedNote> notes;
    int selected;
};

class ScaledPaint : public ::testing::TestWithParam<Scene> {};

TEST_P(ScaledPaint, DrawsTheTwiceSizePicturesAtDoubledPlaces) {
    const Scene& scene = GetParam();
    HeadlessStaff canvas;
    canvas.window.SetPaintScale(2);
    canvas.Staff().SetClef(scene.treble);
    for (const ExpectedNote& note : scene.notes) {
        canvas.Staff().AddNotes({CPoint(static_cast<int>(note.x), static_cast<int>(note.y))});
    }
    canvas.Staff().Select(scene.selected);
    canvas.Repaint();

    const Surface fine = ExpectedFrame(LoadStaffPictures(scene.treble, 2), scene.notes);
    ASSERT_EQ(fine.Width(), 1200) << "the twice-size pictures did not load";
    EXPECT_TRUE(SameSurface(canvas.Screen(), fine));
    EXPECT_FALSE(SameSurface(canvas.Screen(),
                             Doubled(ExpectedFrame(LoadStaffPictures(scene.treble), scene.notes))))
        << "not the usual frame with its pixels doubled";
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, ScaledPaint,
    ::testing::Values(Scene{"TrebleAlone", true, {}, -1},
                      Scene{"BassWithLedgersAboveAndBelow",
                            false,
                            {{100, 25, false}, {300, 81, false}, {500, 137, true}},
                            2},
                      Scene{"ClippedAtTheEdges", true, {{3, 4, true}, {597, 157, false}}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A press at a control pixel picks the same place at either scale.
TEST(ScaledInput, PlacesNotesInControlPixels) {
    HeadlessStaff canvas;
    canvas.window.SetPaintScale(2);
    canvas.Staff().SetClef(true);
    canvas.Down(300, 60);
    canvas.Up(300, 60);
    ASSERT_EQ(canvas.Staff().NoteCount(), 1);
    EXPECT_EQ(canvas.Staff().NoteCentre(0), CPoint(300, 60));
    EXPECT_EQ(canvas.window.ClientRect(), CRect(0, 0, 600, 160));
}

}  // namespace
