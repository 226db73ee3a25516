// Mouse editing through real messages on a headless window: what each press, move and
// release changes, and every call it makes, in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "staff/test/HeadlessStaff.h"

namespace {

using Trail = std::vector<std::string>;

class StaffMouse : public ::testing::Test {
  protected:
    StaffMouse() {
        h.KeepTranscript();
        h.Staff().SetMaxNotes(1);
        h.Staff().InitMidi();
        h.TakeTranscript();
    }
    CPoint Note(int i) const { return h.Staff().State().m_ptNotes[i]; }

    HeadlessStaff h;
};

// A StaffMouse test run once for each case of a table.
template <class Case>
class StaffMouseWith : public StaffMouse, public ::testing::WithParamInterface<Case> {};

// The pointer at an edge of a box (a note's hit box, the drag area): whether it counts as
// inside, and the note's centre afterwards.
struct EdgeCase {
    CPoint pointer;
    bool inside;
    CPoint stored;
};

TEST_F(StaffMouse, PressPlacesAtTheClampedPointThenRedrawsThenDefaults) {
    h.Down(300, 90);
    EXPECT_EQ(h.TakeTranscript(), (Trail{"invalidate", "default down 300 90"}));
    EXPECT_EQ(Note(0), CPoint(300, 90));
    EXPECT_EQ(h.Staff().State().m_nNoteCount, 1);
    EXPECT_EQ(h.Staff().State().m_nSelected, 0);
}

TEST_F(StaffMouse, ReleaseSnapsTowardTheMiddleWhereverItHappens) {
    h.Down(300, 90);
    h.TakeTranscript();
    h.Up(5, 5);
    EXPECT_EQ(h.TakeTranscript(), (Trail{"invalidate", "default up 5 5"}));
    EXPECT_EQ(Note(0), CPoint(300, 88));
    EXPECT_EQ(h.Staff().State().m_nSelected, -1);
}

TEST_F(StaffMouse, DefaultProcessingGetsTheFlagsAndPointAsReceived) {
    h.Down(5, 5, 0x9);
    h.Move(600, -3, 0x0);  // outside the drag area: no default processing
    h.Down(80, 45, 0x5);
    h.Move(79, 140, 0x21);
    h.Up(-20, 400, 0x4);
    EXPECT_EQ(h.TakeTranscript(),
              (Trail{"invalidate", "default down 5 5", "invalidate", "invalidate",
                     "default down 80 45", "midi 00503c90", "invalidate", "default move 79 140",
                     "invalidate", "default up -20 400"}));
    std::vector<WPARAM> flags;
    for (const LoggedCall& call : h.log.Calls()) {
        if (call.kind == LoggedCall::Kind::DefaultProcessing) {
            flags.push_back(call.wParam);
        }
    }
    EXPECT_EQ(flags, (std::vector<WPARAM>{0x9, 0x5, 0x21, 0x4}));
}

TEST_F(StaffMouse, PressClampsIntoThePlacementBounds) {
    const std::pair<CPoint, CPoint> cases[] = {
        {{5, 5}, {80, 39}},          {{599, 159}, {568, 123}}, {{80, 39}, {80, 39}},
        {{568, 123}, {568, 123}},    {{79, 38}, {80, 39}},     {{569, 124}, {568, 123}},
        {{-30000, 30000}, {80, 123}}};
    for (const auto& [pressed, stored] : cases) {
        HeadlessStaff fresh;
        fresh.Down(pressed.x, pressed.y);
        EXPECT_EQ(fresh.Staff().State().m_ptNotes[0], stored) << pressed.x << "," << pressed.y;
    }
}

using HitBox = StaffMouseWith<EdgeCase>;

// A full staff with one note at (300, 88): a hit moves the note, a miss does nothing at all.
TEST_P(HitBox, LeftAndTopEdgesInsideRightAndBottomOutside) {
    const EdgeCase& c = GetParam();
    h.Staff().AddNotes({{300, 88}});
    h.Down(c.pointer.x, c.pointer.y);
    EXPECT_EQ(Note(0), c.stored);
    EXPECT_EQ(h.Staff().State().m_nNoteCount, 1);
    if (c.inside) {
        EXPECT_EQ(h.Staff().State().m_nSelected, 0);
        EXPECT_EQ(h.TakeTranscript(),
                  (Trail{"invalidate", "default down " + std::to_string(c.pointer.x) + " " +
                                           std::to_string(c.pointer.y)}));
    } else {
        EXPECT_EQ(h.Staff().State().m_nSelected, -1);
        EXPECT_TRUE(h.TakeTranscript().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Staff, HitBox,
    ::testing::Values(EdgeCase{{300, 88}, true, {300, 88}}, EdgeCase{{288, 81}, true, {288, 81}},
                      EdgeCase{{311, 94}, true, {311, 94}}, EdgeCase{{287, 88}, false, {300, 88}},
                      EdgeCase{{312, 88}, false, {300, 88}}, EdgeCase{{300, 80}, false, {300, 88}},
                      EdgeCase{{300, 95}, false, {300, 88}}));

TEST_F(StaffMouse, HitTestUsesTheUnclampedPoint) {
    h.Staff().AddNotes({{80, 88}});
    h.Down(70, 88);
    EXPECT_EQ(h.Staff().State().m_nSelected, 0);
    EXPECT_EQ(Note(0), CPoint(80, 88));
}

TEST_F(StaffMouse, HitTestIgnoresTheClampAndTheLimits) {
    h.Staff().AddNotes({{80, 39}});
    h.Down(75, 20);  // clamped to the note's centre, but the pointer is above its box
    EXPECT_EQ(h.Staff().State().m_nSelected, -1);
    h.Staff().SetLimits(330, -1);
    h.Down(75, 40);  // on the note, although the limit moves the clamped point away from it
    EXPECT_EQ(h.Staff().State().m_nSelected, 0);
    EXPECT_EQ(Note(0), CPoint(330, 40));
}

TEST_F(StaffMouse, LowestSlotWinsWhereHitBoxesOverlap) {
    h.Staff().SetMaxNotes(3);
    h.Staff().AddNotes({{300, 81}, {305, 84}, {302, 83}});
    h.Down(303, 83);
    EXPECT_EQ(h.Staff().State().m_nSelected, 0);
    EXPECT_EQ(h.Staff().State().m_nNoteCount, 3);
}

TEST_F(StaffMouse, FullStaffStillPicksUpItsNotes) {
    h.Staff().SetMaxNotes(0);
    h.Staff().AddNotes({{200, 81}});
    h.Down(205, 85);
    EXPECT_EQ(h.Staff().State().m_nSelected, 0);
    h.Down(400, 85);
    EXPECT_EQ(h.Staff().State().m_nNoteCount, 1);
}

TEST_F(StaffMouse, CapacityAboveFiveNeverWritesASixthSlot) {
    h.Staff().SetMaxNotes(99);
    for (int i = 0; i < 8; ++i) {
        h.Down(100 + 50 * i, 81);
        h.Up(100 + 50 * i, 81);
    }
    EXPECT_EQ(h.Staff().State().m_nNoteCount, 5);
    EXPECT_EQ(Note(4), CPoint(300, 81));
}

struct DragCase {
    bool treble;
    int fromY;
    int toY;
    Trail sound;    // midi lines the move causes
    CPoint stored;  // the note's centre after the move to (310, toY)
};

using DragSound = StaffMouseWith<DragCase>;

TEST_P(DragSound, MoveSoundsOnlyWhenTheLineOffsetChanges) {
    const DragCase& c = GetParam();
    h.Staff().SetClef(c.treble);
    h.Down(300, c.fromY);
    h.TakeTranscript();
    h.Move(310, c.toY);
    Trail expected = c.sound;
    expected.insert(expected.end(), {"invalidate", "default move 310 " + std::to_string(c.toY)});
    EXPECT_EQ(h.TakeTranscript(), expected);
    EXPECT_EQ(Note(0), c.stored);
}

INSTANTIATE_TEST_SUITE_P(Staff, DragSound,
                         ::testing::Values(DragCase{true, 74, 75, {"midi 00504790"}, {310, 75}},
                                           DragCase{true, 75, 87, {}, {310, 87}},
                                           DragCase{true, 87, 88, {"midi 00504590"}, {310, 88}},
                                           DragCase{false, 74, 75, {"midi 00503290"}, {310, 75}},
                                           DragCase{false, 87, 88, {"midi 00503090"}, {310, 88}},
                                           DragCase{true, 60, 20, {"midi 00505190"}, {310, 39}},
                                           DragCase{false, 60, 20, {"midi 00503c90"}, {310, 39}},
                                           DragCase{true, 100, 144, {"midi 00503c90"}, {310, 123}},
                                           DragCase{false, 123, 144, {}, {310, 123}},
                                           DragCase{true, 90, 91, {}, {310, 91}}));

TEST_F(StaffMouse, DragThroughSeveralStepsStartsEveryNoteAndStopsNone) {
    h.Down(300, 81);
    for (int y = 81; y >= 39; --y) {
        h.Move(300, y);
    }
    h.Up(300, 39);
    EXPECT_EQ(h.midi.Messages(),
              (std::vector<DWORD>{0x504890, 0x504a90, 0x504c90, 0x504d90, 0x504f90, 0x505190}));
    EXPECT_EQ(Note(0), CPoint(300, 39));
    EXPECT_EQ(h.midi.Bytes().size(), 18u);
}

using DragArea = StaffMouseWith<EdgeCase>;

TEST_P(DragArea, MovingOutCancelsTheDragWithoutSnapping) {
    const EdgeCase& c = GetParam();
    h.Down(300, 90);
    h.TakeTranscript();
    h.Move(c.pointer.x, c.pointer.y);
    if (!c.inside) {
        EXPECT_EQ(h.TakeTranscript(), (Trail{"invalidate"}));
        EXPECT_EQ(h.Staff().State().m_nSelected, -1);
        EXPECT_EQ(Note(0), c.stored);
        h.Up(300, 90);
        EXPECT_TRUE(h.TakeTranscript().empty());
        EXPECT_EQ(Note(0), c.stored);
    } else {
        EXPECT_EQ(h.Staff().State().m_nSelected, 0);
        EXPECT_EQ(Note(0), c.stored);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Staff, DragArea,
    ::testing::Values(EdgeCase{{581, 90}, false, {300, 90}}, EdgeCase{{69, 90}, false, {300, 90}},
                      EdgeCase{{300, 145}, false, {300, 90}}, EdgeCase{{300, 17}, false, {300, 90}},
                      EdgeCase{{580, 144}, true, {568, 123}}, EdgeCase{{70, 18}, true, {80, 39}}));

TEST_F(StaffMouse, IdleMovesAndReleasesDoNothing) {
    h.Move(300, 90);
    h.Up(300, 90);
    h.Staff().AddNotes({{300, 90}});
    h.Move(300, 60);
    h.Up(300, 60);
    EXPECT_TRUE(h.TakeTranscript().empty());
    EXPECT_EQ(Note(0), CPoint(300, 90));
}

TEST_F(StaffMouse, ReleaseSnapsEveryStoredRowOfTheTable) {
    const std::pair<int, int> cases[] = {{87, 81}, {75, 81}, {74, 74}, {122, 116}, {123, 123},
                                         {39, 39}, {40, 46}, {94, 88}, {68, 74}};
    for (const auto& [stored, snapped] : cases) {
        HeadlessStaff fresh;
        fresh.Down(300, stored);
        fresh.Up(0, 0);
        EXPECT_EQ(fresh.Staff().State().m_ptNotes[0], CPoint(300, snapped)) << stored;
    }
}

TEST_F(StaffMouse, LimitsWinOverTheBoundsButNeverTouchY) {
    h.Staff().SetLimits(200, 300);
    h.Down(100, 90);
    EXPECT_EQ(Note(0), CPoint(200, 90));
    h.Move(400, 90);
    EXPECT_EQ(Note(0), CPoint(300, 90));
    h.Staff().SetLimits(300, 200);
    for (int x : {70, 250, 580}) {
        h.Move(x, 100);
        EXPECT_EQ(Note(0), CPoint(200, 100)) << x;
    }
    h.Staff().SetLimits(20, 590);
    h.Move(75, 60);
    EXPECT_EQ(Note(0), CPoint(80, 60));
}

TEST_F(StaffMouse, PressDuringALostDragSwitchesNotesUnsnapped) {
    h.Staff().SetMaxNotes(2);
    h.Down(200, 90);
    h.Down(400, 100);
    EXPECT_EQ(h.Staff().State().m_nSelected, 1);
    EXPECT_EQ(Note(0), CPoint(200, 90));
    h.Up(400, 100);
    EXPECT_EQ(Note(1), CPoint(400, 95));
    EXPECT_EQ(Note(0), CPoint(200, 90));
}

TEST_F(StaffMouse, EraseBackgroundIsTheDefaultProcessing) {
    EXPECT_EQ(h.window.Deliver(WM_ERASEBKGND, 0, 0), TRUE);
    ASSERT_EQ(h.log.Calls().size(), 1u);
    EXPECT_EQ(h.log.Calls()[0].message, WM_ERASEBKGND);
}

}  // namespace
