// The staff control's paint with the real pictures: every pixel of the control compared
// with an independent rendering, plus the facts a user sees named pixel by pixel.
#include <gtest/gtest.h>

#include <climits>

#include "PixelCheck.h"
#include "StaffReference.h"
#include "staff/test/HeadlessStaff.h"

namespace {

using paint_test::ExpectedFrame;
using paint_test::ExpectedNote;
using paint_test::kInk;
using paint_test::LedgerRows;
using paint_test::LoadStaffPictures;
using paint_test::PatternSurface;
using paint_test::SameSurface;
using paint_test::StaffPictures;

constexpr std::uint32_t kStaffLine = 0x242424;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;

class StaffPaint : public ::testing::Test {
  protected:
    void SetUp() override {
        canvas.Staff().SetClef(true);
        ASSERT_EQ(pictures.staff.Width(), 600) << "the staff picture did not load";
        ASSERT_EQ(pictures.note.Width(), 25) << "the note pictures did not load";
    }

    HeadlessStaff canvas;
    const StaffPictures pictures = LoadStaffPictures(true);
};

// `under` with the part of `over` inside `part` laid on it.
Surface Overlaid(Surface under, const Surface& over, const CRect& part) {
    for (int y = part.top; y < part.bottom; ++y) {
        for (int x = part.left; x < part.right; ++x) {
            under.SetPixel(x, y, over.Pixel(x, y));
        }
    }
    return under;
}

// A StaffPaint test run once for each case of a table.
template <class Case>
class StaffPaintWith : public StaffPaint, public ::testing::WithParamInterface<Case> {};

TEST_F(StaffPaint, WithoutNotesShowsThePictureAlone) {
    canvas.Repaint();
    EXPECT_TRUE(SameSurface(canvas.Screen(), pictures.staff));
    EXPECT_EQ(canvas.Screen().Pixel(300, 81), kStaffLine);
    EXPECT_EQ(canvas.Screen().Pixel(300, 80), kWhite);
}

TEST_F(StaffPaint, BassClefShowsItsPictureFromTheNextRepaint) {
    canvas.Repaint();
    canvas.Staff().SetClef(false);
    EXPECT_TRUE(SameSurface(canvas.Screen(), pictures.staff)) << "SetClef does not repaint";
    canvas.Repaint();
    EXPECT_TRUE(SameSurface(canvas.Screen(), LoadStaffPictures(false).staff));
}

// A note centred on the middle line at (300, 81), black or red (being dragged).
using MiddleLineNote = StaffPaintWith<bool>;

TEST_P(MiddleLineNote, RingCoversTheStaffHollowShowsItEdgesBlendWithWhite) {
    const bool red = GetParam();
    canvas.Staff().SetNotes({{300, 81}}, red ? 0 : -1);
    canvas.Repaint();
    const Surface& screen = canvas.Screen();
    EXPECT_TRUE(SameSurface(screen, ExpectedFrame(pictures, {{300, 81, red}})));

    const Surface& glyph = red ? pictures.selected : pictures.note;
    int pureRing = 0;
    for (int row = 0; row < 15; ++row) {
        for (int column = 0; column < 25; ++column) {
            const std::uint32_t shown = screen.Pixel(288 + column, 74 + row);
            if (pictures.mask.Pixel(column, row) == 0x000000) {
                EXPECT_EQ(shown, glyph.Pixel(column, row)) << column << "," << row;
            }
            pureRing += shown == (red ? kRed : kInk);
        }
    }
    EXPECT_GE(pureRing, 141) << "the ring's core is pure " << (red ? "red" : "black");
    EXPECT_EQ(screen.Pixel(300, 81), kStaffLine) << "the staff line shows through the hollow";
    EXPECT_EQ(screen.Pixel(300, 80), kWhite) << "and the white ground beside it";
    for (int x = 260; x < 340; ++x) {
        EXPECT_EQ(screen.Pixel(x, 123), kWhite) << "no ledger line below, x " << x;
        EXPECT_EQ(screen.Pixel(x, 39), kWhite) << "no ledger line above, x " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Colours, MiddleLineNote, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Red" : "Black";
                         });

// --- Ledger lines -----------------------------------------------------------------------

// A note and the rows of its ledger lines.
struct LedgerCase {
    int place;  // a fixed note's step, a placed note's y
    std::vector<int> rows;
};

using FixedNoteLedgers = StaffPaintWith<LedgerCase>;

TEST_P(FixedNoteLedgers, DrawTheLinesOfTheTable) {
    const LedgerCase& c = GetParam();
    canvas.Staff().SetFixedNote(0, c.place, 1);  // one column: centre x = 330
    canvas.Repaint();

    Surface expected = pictures.staff;
    const long long y = 130 - 7LL * c.place;
    if (c.place != -1) {
        EXPECT_EQ(LedgerRows(y), c.rows) << "the reference agrees with the table";
        DrawExpectedNote(expected, pictures, {330, y, false}, c.rows);
    }
    EXPECT_TRUE(SameSurface(canvas.Screen(), expected));
    for (int row : c.rows) {
        EXPECT_EQ(canvas.Screen().Pixel(306, row), kInk) << "starts at x - 24, row " << row;
        EXPECT_EQ(canvas.Screen().Pixel(353, row), kInk) << "ends at x + 23, row " << row;
        EXPECT_EQ(canvas.Screen().Pixel(305, row), pictures.staff.Pixel(305, row));
        EXPECT_EQ(canvas.Screen().Pixel(354, row), pictures.staff.Pixel(354, row));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FixedNoteLedgers,
    ::testing::Values(LedgerCase{17, {39, 25, 11}}, LedgerCase{16, {39, 25, 11}},
                      LedgerCase{15, {39, 25}}, LedgerCase{14, {39, 25}}, LedgerCase{13, {39}},
                      LedgerCase{12, {}}, LedgerCase{7, {}}, LedgerCase{2, {}},
                      LedgerCase{1, {123}}, LedgerCase{0, {123, 137}}, LedgerCase{-1, {}},
                      LedgerCase{-2, {123, 137, 151}}, LedgerCase{-3, {123, 137, 151}}),
    [](const ::testing::TestParamInfo<LedgerCase>& info) {
        const int step = info.param.place;
        return (step < 0 ? "Minus" : "") + std::to_string(step < 0 ? -step : step);
    });

using PlacedNoteLedgers = StaffPaintWith<LedgerCase>;

TEST_P(PlacedNoteLedgers, AppearOnlyOnTheOuterRows) {
    const LedgerCase& c = GetParam();
    canvas.Staff().SetNotes({{200, c.place}});
    canvas.Repaint();
    Surface expected = pictures.staff;
    DrawExpectedNote(expected, pictures, {200, c.place, false}, c.rows);
    EXPECT_TRUE(SameSurface(canvas.Screen(), expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, PlacedNoteLedgers,
                         ::testing::Values(LedgerCase{123, {123}}, LedgerCase{122, {}},
                                           LedgerCase{116, {}}, LedgerCase{39, {39}},
                                           LedgerCase{40, {}}, LedgerCase{46, {}}),
                         [](const ::testing::TestParamInfo<LedgerCase>& info) {
                             return "Y" + std::to_string(info.param.place);
                         });

// --- Order ------------------------------------------------------------------------------

TEST_F(StaffPaint, TheDraggedNoteKeepsItsPlaceInTheOrder) {
    canvas.Staff().SetNotes({{300, 81}, {310, 81}}, 0);
    canvas.Repaint();
    EXPECT_TRUE(
        SameSurface(canvas.Screen(), ExpectedFrame(pictures, {{300, 81, true}, {310, 81, false}})));
    // The left edge of the later (black) ring lies over the red one.
    EXPECT_EQ(canvas.Screen().Pixel(298, 81), pictures.note.Pixel(0, 7));
}

TEST_F(StaffPaint, FixedNotesComeFirstPlacedNotesOverThem) {
    canvas.Staff().SetFixedNote(0, 7, 1);  // (330, 81)
    canvas.Staff().SetFixedNote(1, 9, 1);  // far right, off the control: nothing shows
    canvas.Staff().SetNotes({{334, 83}}, 0);
    canvas.Repaint();
    EXPECT_TRUE(
        SameSurface(canvas.Screen(), ExpectedFrame(pictures, {{330, 81, false}, {334, 83, true}})));
}

// A judged answer: a fixed or placed note drawn green when right, red when wrong; a note
// being dragged stays red whatever its shade.
TEST_F(StaffPaint, JudgedNotesShowTheirShade) {
    constexpr std::uint32_t kGreen = 0x008000;
    struct Case {
        bool fixed;
        NoteShade shade;
        int selected;
        std::uint32_t ring;
    };
    for (const Case& c :
         {Case{true, NoteShade::Right, -1, kGreen}, Case{true, NoteShade::Wrong, -1, kRed},
          Case{true, NoteShade::Plain, -1, kInk}, Case{false, NoteShade::Right, -1, kGreen},
          Case{false, NoteShade::Wrong, -1, kRed}, Case{false, NoteShade::Right, 0, kRed}}) {
        HeadlessStaff staff;
        staff.Staff().SetClef(true);
        if (c.fixed) {
            staff.Staff().SetFixedNote(0, 7, 1, c.shade);  // (330, 81)
        } else {
            staff.Staff().SetNotes({{330, 81}}, c.selected);
            staff.Staff().SetNotesShade(c.shade);
        }
        staff.Repaint();
        int ring = 0;
        for (int y = 74; y < 89; ++y) {
            for (int x = 318; x < 343; ++x) {
                ring += staff.Screen().Pixel(x, y) == c.ring;
            }
        }
        EXPECT_GE(ring, 141) << c.fixed << " " << static_cast<int>(c.shade);
    }
}

TEST_F(StaffPaint, ALedgerLineLiesOverEarlierNotesAndUnderItsOwnRing) {
    canvas.Staff().SetNotes({{300, 120}, {330, 123}}, 0);
    canvas.Repaint();
    const Surface& screen = canvas.Screen();
    EXPECT_TRUE(
        SameSurface(screen, ExpectedFrame(pictures, {{300, 120, true}, {330, 123, false}})));
    // The earlier note's red ring (never black: the red glyph has red 255 throughout) is
    // covered by the later note's ledger line.
    EXPECT_EQ(screen.Pixel(307, 123), kInk);

    canvas.Staff().SetNotes({{300, 123}}, 0);
    canvas.Repaint();
    // Over the black line the ring keeps red NOT mask, and the mask is near black there.
    EXPECT_GE(screen.Pixel(290, 123) >> 16, 0xCDu) << "own ring on top of the line";
    EXPECT_EQ(screen.Pixel(300, 123), kInk) << "the line shows through the hollow";
    EXPECT_EQ(screen.Pixel(277, 123), kInk);
}

// --- Repainting over what is there --------------------------------------------------------

TEST_F(StaffPaint, ANoteDrawnOverItselfChangesNothing) {
    canvas.Staff().SetNotes({{200, 123}, {205, 118}, {400, 39}}, 1);
    canvas.Repaint();
    const Surface once = canvas.Screen();
    canvas.Staff().DrawOneNote(200, 123, false);
    canvas.Staff().DrawOneNote(205, 118, true);
    canvas.Staff().DrawOneNote(400, 39, false);
    EXPECT_TRUE(SameSurface(canvas.Screen(), once));
    canvas.Repaint();
    EXPECT_TRUE(SameSurface(canvas.Screen(), once));
}

TEST_F(StaffPaint, APartlyInvalidControlRenewsThatPartOfTheStaffAndEveryNoteWhole) {
    canvas.Staff().SetNotes({{300, 81}, {450, 123}}, 1);
    Surface stale = PatternSurface(600, 160, 21);
    canvas.Screen() = stale;
    const CRect part(250, 60, 320, 100);
    canvas.Repaint(part);

    Surface expected = Overlaid(stale, pictures.staff, part);
    DrawExpectedNote(expected, pictures, {300, 81, false});
    DrawExpectedNote(expected, pictures, {450, 123, true});
    EXPECT_TRUE(SameSurface(canvas.Screen(), expected));
    EXPECT_FALSE(canvas.window.IsPaintPending());
}

// --- The control's edges -----------------------------------------------------------------

struct EdgeCase {
    const char* name;
    int column;
    int step;
    int columns;
    long long x;
};

using NotesAtTheEdge = StaffPaintWith<EdgeCase>;

TEST_P(NotesAtTheEdge, AreClippedByTheControl) {
    const EdgeCase& c = GetParam();
    canvas.Staff().SetFixedNote(c.column, c.step, c.columns);
    canvas.Repaint();
    Surface expected = pictures.staff;
    DrawExpectedNote(expected, pictures, {c.x, 130 - 7LL * c.step, false});
    EXPECT_TRUE(SameSurface(canvas.Screen(), expected));
}

INSTANTIATE_TEST_SUITE_P(Places, NotesAtTheEdge,
                         ::testing::Values(EdgeCase{"HalfAboveTheTop", 0, 19, 1, 330},
                                           EdgeCase{"AboveTheTopLinesOnly", 0, 20, 1, 330},
                                           EdgeCase{"HalfBelowTheBottom", 0, -4, 1, 330},
                                           EdgeCase{"PastTheRightEdge", 15, 1, 14, 607},
                                           EdgeCase{"FarRight", 15, 7, 1, 7830},
                                           EdgeCase{"MillionStepsUp", 0, 1000000, 1, 330},
                                           EdgeCase{"MillionStepsDown", 0, -1000000, 1, 330},
                                           EdgeCase{"HighestStep", 3, INT_MAX, 4, 514},
                                           EdgeCase{"LowestStep", 3, INT_MIN, 4, 514}),
                         [](const ::testing::TestParamInfo<EdgeCase>& info) {
                             return info.param.name;
                         });

// --- Before the pictures are loaded ------------------------------------------------------

TEST(StaffPaintWithoutPictures, ShowsWhiteInTheInvalidPart) {
    HeadlessStaff canvas;
    Surface stale = PatternSurface(600, 160, 22);
    canvas.Screen() = stale;
    const CRect part(10, 20, 110, 70);
    canvas.Repaint(part);
    EXPECT_TRUE(SameSurface(canvas.Screen(), Overlaid(stale, Surface(600, 160, kWhite), part)));
    canvas.Repaint();
    EXPECT_TRUE(SameSurface(canvas.Screen(), Surface(600, 160, kWhite)));
}

}  // namespace
