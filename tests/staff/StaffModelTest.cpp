// The owner's operations on the staff control's record.
#include <gtest/gtest.h>

#include <vector>

#include "staff/test/HeadlessStaff.h"

namespace {

class StaffModel : public ::testing::Test {
  protected:
    std::vector<int> Steps() {
        int steps[CStaffControl::kMaxNoteSlots] = {-99, -99, -99, -99, -99};
        int count = -99;
        h.Staff().GetNotes(steps, count);
        return std::vector<int>(steps, steps + count);
    }
    std::vector<int> Xs() const {
        std::vector<int> xs;
        for (int i = 0; i < h.Staff().State().m_nNoteCount; ++i) {
            xs.push_back(h.Staff().State().m_ptNotes[i].x);
        }
        return xs;
    }

    HeadlessStaff h;
};

TEST_F(StaffModel, NewControlIsEmptyTrebleAndWritesNoStep) {
    EXPECT_TRUE(h.Staff().IsTreble());
    EXPECT_EQ(h.Staff().State().m_nMaxNotes, 1);
    EXPECT_EQ(h.Staff().State().m_nSelected, -1);
    EXPECT_EQ(h.Staff().State().m_nColumns, 1);
    EXPECT_EQ(h.Staff().State().m_nLeftLimit, -1);
    EXPECT_EQ(h.Staff().State().m_nRightLimit, -1);
    for (const CPoint& note : h.Staff().State().m_ptNotes) {
        EXPECT_EQ(note, CPoint(-1, -1));
    }
    for (int step : h.Staff().State().m_nFixedSteps) {
        EXPECT_EQ(step, -1);
    }
    int steps[1] = {-99};
    int count = -99;
    h.Staff().GetNotes(steps, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(steps[0], -99);
    EXPECT_TRUE(h.log.Calls().empty());
    EXPECT_TRUE(h.midi.Calls().empty());
}

TEST_F(StaffModel, CapacityAboveFiveCountsAsFive) {
    const std::pair<int, int> cases[] = {{1, 1}, {5, 5}, {6, 5}, {1000, 5}, {0, 0}, {-2, -2}};
    for (const auto& [asked, kept] : cases) {
        h.Staff().SetMaxNotes(asked);
        EXPECT_EQ(h.Staff().State().m_nMaxNotes, kept) << asked;
    }
}

TEST_F(StaffModel, ClefSwitchesTheKeyTableAndRepaintsNothing) {
    h.Staff().SetClef(false);
    EXPECT_FALSE(h.Staff().IsTreble());
    EXPECT_EQ(h.Staff().StepToKey(0), 50);
    h.Staff().SetClef(true);
    EXPECT_TRUE(h.Staff().IsTreble());
    EXPECT_EQ(h.Staff().StepToKey(0), 71);
    EXPECT_TRUE(h.log.Calls().empty());
}

TEST_F(StaffModel, FixedNoteSetsStepAndColumnCount) {
    h.Staff().SetFixedNote(3, 5, 7);
    EXPECT_EQ(h.Staff().State().m_nFixedSteps[3], 5);
    EXPECT_EQ(h.Staff().State().m_nColumns, 7);
    EXPECT_EQ(h.Staff().ColumnToX(3), 325);
    EXPECT_EQ(h.Staff().StepToY(5), 95);
    h.Staff().SetFixedNote(3, -1, 7);
    EXPECT_EQ(h.Staff().State().m_nFixedSteps[3], -1);
    h.Staff().SetFixedNote(15, 13, 16);
    EXPECT_EQ(h.Staff().State().m_nFixedSteps[15], 13);
    EXPECT_TRUE(h.log.Calls().empty());
}

TEST_F(StaffModel, FixedNoteOutsideTheColumnsChangesNothing) {
    h.Staff().SetFixedNote(2, 4, 3);
    for (int column : {-1, 16, 1000}) {
        h.Staff().SetFixedNote(column, 9, 9);
        EXPECT_EQ(h.Staff().State().m_nColumns, 3) << column;
    }
    std::vector<int> expected(CStaffControl::kFixedColumns, -1);
    expected[2] = 4;
    EXPECT_EQ(std::vector<int>(std::begin(h.Staff().State().m_nFixedSteps),
                               std::end(h.Staff().State().m_nFixedSteps)),
              expected);
}

TEST_F(StaffModel, ColumnCountBelowOneIsStoredButCountsAsOne) {
    h.Staff().SetFixedNote(0, 7, 0);
    EXPECT_EQ(h.Staff().ColumnToX(0), 330);
    h.Staff().SetRange(0, 0);
    EXPECT_EQ(h.Staff().State().m_nLeftLimit, 330);
    EXPECT_EQ(h.Staff().State().m_nRightLimit, 330);
}

TEST_F(StaffModel, RangeStoresColumnCentresAndMinusOneKeepsALimit) {
    h.Staff().SetRange(-1, -1);
    EXPECT_EQ(h.Staff().State().m_nLeftLimit, -1);
    EXPECT_EQ(h.Staff().State().m_nRightLimit, -1);
    h.Staff().SetFixedNote(0, -1, 7);
    h.Staff().SetRange(2, -1);
    EXPECT_EQ(h.Staff().State().m_nLeftLimit, 255);
    EXPECT_EQ(h.Staff().State().m_nRightLimit, -1);
    h.Staff().SetRange(-1, 6);
    EXPECT_EQ(h.Staff().State().m_nLeftLimit, 255);
    EXPECT_EQ(h.Staff().State().m_nRightLimit, 535);
    // A later column count does not move limits already set.
    h.Staff().SetFixedNote(0, -1, 2);
    EXPECT_EQ(h.Staff().State().m_nLeftLimit, 255);
    h.Staff().SetRange(-1, -1);
    EXPECT_EQ(h.Staff().State().m_nRightLimit, 535);
}

struct PassCase {
    std::vector<CPoint> before;
    std::vector<int> xsAfter;
    std::vector<int> steps;
};

class GetNotesPass : public StaffModel, public ::testing::WithParamInterface<PassCase> {};

TEST_P(GetNotesPass, OnePassOfNeighbourExchanges) {
    const PassCase& c = GetParam();
    h.Staff().SetMaxNotes(5);
    for (const CPoint& p : c.before) {
        h.Staff().AddNotes({p});
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
    h.Staff().SetMaxNotes(3);
    h.Staff().AddNotes({{300, 81}, {200, 81}, {100, 81}});
    Steps();
    EXPECT_EQ(Xs(), (std::vector<int>{200, 100, 300}));
    Steps();
    EXPECT_EQ(Xs(), (std::vector<int>{100, 200, 300}));
}

TEST_F(StaffModel, SelectionFollowsItsNoteThroughAnExchange) {
    h.Staff().SetMaxNotes(3);
    h.Staff().AddNotes({{300, 60}, {200, 81}, {100, 102}});
    h.Staff().Select(0);
    Steps();
    ASSERT_EQ(h.Staff().State().m_nSelected, 2);
    EXPECT_EQ(h.Staff().State().m_ptNotes[2], CPoint(300, 60));
    h.Staff().Select(0);
    Steps();
    EXPECT_EQ(h.Staff().State().m_nSelected, 1);
    EXPECT_EQ(h.Staff().State().m_ptNotes[1], CPoint(200, 81));
}

}  // namespace
