// The owner's operations on the staff control's record.
#include <gtest/gtest.h>

#include <vector>

#include "StaffHarness.h"

namespace {

class StaffModel : public ::testing::Test {
  protected:
    std::vector<int> Steps() {
        int steps[CStaffControl::kMaxNoteSlots] = {-99, -99, -99, -99, -99};
        int count = -99;
        h.staff.GetNotes(steps, count);
        return std::vector<int>(steps, steps + count);
    }
    std::vector<int> Xs() const {
        std::vector<int> xs;
        for (int i = 0; i < h.staff.m_nNoteCount; ++i) {
            xs.push_back(h.staff.m_ptNotes[i].x);
        }
        return xs;
    }

    StaffHarness h;
};

TEST_F(StaffModel, NewControlIsEmptyTrebleAndWritesNoStep) {
    EXPECT_TRUE(h.staff.IsTreble());
    EXPECT_EQ(h.staff.m_nMaxNotes, 1);
    EXPECT_EQ(h.staff.m_nSelected, -1);
    EXPECT_EQ(h.staff.m_nColumns, 1);
    EXPECT_EQ(h.staff.m_nLeftLimit, -1);
    EXPECT_EQ(h.staff.m_nRightLimit, -1);
    for (const CPoint& note : h.staff.m_ptNotes) {
        EXPECT_EQ(note, CPoint(-1, -1));
    }
    for (int step : h.staff.m_nFixedSteps) {
        EXPECT_EQ(step, -1);
    }
    int steps[1] = {-99};
    int count = -99;
    h.staff.GetNotes(steps, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(steps[0], -99);
    EXPECT_TRUE(h.log.Calls().empty());
    EXPECT_TRUE(h.midi.Calls().empty());
}

TEST_F(StaffModel, CapacityAboveFiveCountsAsFive) {
    const std::pair<int, int> cases[] = {{1, 1}, {5, 5}, {6, 5}, {1000, 5}, {0, 0}, {-2, -2}};
    for (const auto& [asked, kept] : cases) {
        h.staff.SetMaxNotes(asked);
        EXPECT_EQ(h.staff.m_nMaxNotes, kept) << asked;
    }
}

TEST_F(StaffModel, ClefSwitchesTheKeyTableAndRepaintsNothing) {
    h.staff.SetClef(false);
    EXPECT_FALSE(h.staff.IsTreble());
    EXPECT_EQ(h.staff.StepToKey(0), 50);
    h.staff.SetClef(true);
    EXPECT_TRUE(h.staff.IsTreble());
    EXPECT_EQ(h.staff.StepToKey(0), 71);
    EXPECT_TRUE(h.log.Calls().empty());
}

TEST_F(StaffModel, FixedNoteSetsStepAndColumnCount) {
    h.staff.SetFixedNote(3, 5, 7);
    EXPECT_EQ(h.staff.m_nFixedSteps[3], 5);
    EXPECT_EQ(h.staff.m_nColumns, 7);
    EXPECT_EQ(h.staff.ColumnToX(3), 325);
    EXPECT_EQ(h.staff.StepToY(5), 95);
    h.staff.SetFixedNote(3, -1, 7);
    EXPECT_EQ(h.staff.m_nFixedSteps[3], -1);
    h.staff.SetFixedNote(15, 13, 16);
    EXPECT_EQ(h.staff.m_nFixedSteps[15], 13);
    EXPECT_TRUE(h.log.Calls().empty());
}

TEST_F(StaffModel, FixedNoteOutsideTheColumnsChangesNothing) {
    h.staff.SetFixedNote(2, 4, 3);
    for (int column : {-1, 16, 1000}) {
        h.staff.SetFixedNote(column, 9, 9);
        EXPECT_EQ(h.staff.m_nColumns, 3) << column;
    }
    std::vector<int> expected(CStaffControl::kFixedColumns, -1);
    expected[2] = 4;
    EXPECT_EQ(std::vector<int>(std::begin(h.staff.m_nFixedSteps), std::end(h.staff.m_nFixedSteps)),
              expected);
}

TEST_F(StaffModel, ColumnCountBelowOneIsStoredButCountsAsOne) {
    h.staff.SetFixedNote(0, 7, 0);
    EXPECT_EQ(h.staff.ColumnToX(0), 330);
    h.staff.SetRange(0, 0);
    EXPECT_EQ(h.staff.m_nLeftLimit, 330);
    EXPECT_EQ(h.staff.m_nRightLimit, 330);
}

TEST_F(StaffModel, RangeStoresColumnCentresAndMinusOneKeepsALimit) {
    h.staff.SetRange(-1, -1);
    EXPECT_EQ(h.staff.m_nLeftLimit, -1);
    EXPECT_EQ(h.staff.m_nRightLimit, -1);
    h.staff.SetFixedNote(0, -1, 7);
    h.staff.SetRange(2, -1);
    EXPECT_EQ(h.staff.m_nLeftLimit, 255);
    EXPECT_EQ(h.staff.m_nRightLimit, -1);
    h.staff.SetRange(-1, 6);
    EXPECT_EQ(h.staff.m_nLeftLimit, 255);
    EXPECT_EQ(h.staff.m_nRightLimit, 535);
    // A later column count does not move limits already set.
    h.staff.SetFixedNote(0, -1, 2);
    EXPECT_EQ(h.staff.m_nLeftLimit, 255);
    h.staff.SetRange(-1, -1);
    EXPECT_EQ(h.staff.m_nRightLimit, 535);
}

struct PassCase {
    std::vector<CPoint> before;
    std::vector<int> xsAfter;
    std::vector<int> steps;
};

class GetNotesPass : public StaffModel, public ::testing::WithParamInterface<PassCase> {};

TEST_P(GetNotesPass, OnePassOfNeighbourExchanges) {
    const PassCase& c = GetParam();
    h.staff.SetMaxNotes(5);
    for (const CPoint& p : c.before) {
        h.Place({p});
    }
    EXPECT_EQ(Steps(), c.steps);
    EXPECT_EQ(Xs(), c.xsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Staff, GetNotesPass,
    ::testing::Values(PassCase{{{300, 81}}, {300}, {7}},
                      PassCase{{{300, 39}, {200, 81}, {100, 123}}, {200, 100, 300}, {7, 1, 13}},
                      PassCase{{{200, 81}, {100, 123}, {300, 39}}, {100, 200, 300}, {1, 7, 13}},
                      PassCase{{{200, 46}, {200, 116}}, {200, 200}, {12, 2}},
                      PassCase{{{400, 46}, {200, 116}}, {200, 400}, {2, 12}},
                      PassCase{{{500, 39}, {400, 46}, {300, 53}, {200, 60}, {100, 67}},
                               {400, 300, 200, 100, 500},
                               {12, 11, 10, 9, 13}}));

TEST_F(StaffModel, SecondGetNotesFinishesThreeNotes) {
    h.staff.SetMaxNotes(3);
    h.Place({{300, 81}, {200, 81}, {100, 81}});
    Steps();
    EXPECT_EQ(Xs(), (std::vector<int>{200, 100, 300}));
    Steps();
    EXPECT_EQ(Xs(), (std::vector<int>{100, 200, 300}));
}

TEST_F(StaffModel, SelectionFollowsItsNoteThroughAnExchange) {
    h.staff.SetMaxNotes(3);
    h.Place({{300, 60}, {200, 81}, {100, 102}});
    h.staff.m_nSelected = 0;
    Steps();
    ASSERT_EQ(h.staff.m_nSelected, 2);
    EXPECT_EQ(h.staff.m_ptNotes[2], CPoint(300, 60));
    h.staff.m_nSelected = 0;
    Steps();
    EXPECT_EQ(h.staff.m_nSelected, 1);
    EXPECT_EQ(h.staff.m_ptNotes[1], CPoint(200, 81));
}

}  // namespace
