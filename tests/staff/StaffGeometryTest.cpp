// The staff rules: line offsets and their catchments, snapping, steps, column centres and
// key tables, including arguments no caller in the program passes.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "staff/StaffGeometry.h"

namespace {

using namespace staff;

struct RowCase {
    int y;
    int lineOffset;
    int snappedY;
    int step;
};

// Each catchment's two ends, and the rows just outside the clamp.
const RowCase kRows[] = {
    {39, -6, 39, 13}, {40, -5, 46, 12}, {46, -5, 46, 12}, {47, -4, 53, 11}, {53, -4, 53, 11},
    {54, -3, 60, 10}, {60, -3, 60, 10}, {61, -2, 67, 9},  {67, -2, 67, 9},  {68, -1, 74, 8},
    {74, -1, 74, 8},  {75, 0, 81, 7},   {81, 0, 81, 7},   {87, 0, 81, 7},   {88, 1, 88, 6},
    {94, 1, 88, 6},   {95, 2, 95, 5},   {101, 2, 95, 5},  {102, 3, 102, 4}, {108, 3, 102, 4},
    {109, 4, 109, 3}, {115, 4, 109, 3}, {116, 5, 116, 2}, {122, 5, 116, 2}, {123, 6, 123, 1},
    {33, -6, 39, 13}, {129, 6, 123, 1}, {32, -7, 32, 14}, {130, 7, 130, 0}, {136, 7, 130, 0},
    {137, 8, 137, 1}, {144, 9, 144, 2},
};

class RowRules : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowRules, OffsetSnapAndStepOfARow) {
    const RowCase& row = GetParam();
    EXPECT_EQ(LineOffset(row.y), row.lineOffset);
    EXPECT_EQ(SnappedY(row.y), row.snappedY);
    EXPECT_EQ(YToStep(row.y), row.step);
}

INSTANTIATE_TEST_SUITE_P(Staff, RowRules, ::testing::ValuesIn(kRows));

TEST(StaffRows, SnapKeepsTheLineOffsetAndNeverMovesAwayFromTheMiddle) {
    for (int y = kClampTop; y <= kClampBottom; ++y) {
        const int snapped = SnappedY(y);
        EXPECT_EQ(LineOffset(snapped), LineOffset(y)) << y;
        EXPECT_LE(std::abs(snapped - kMiddleLineY), std::abs(y - kMiddleLineY)) << y;
        EXPECT_EQ(snapped, StepToY(7 - LineOffset(y))) << y;
    }
}

TEST(StaffRows, StepToYInvertsYToStepOnTheStaff) {
    EXPECT_EQ(StepToY(1), 123);
    EXPECT_EQ(StepToY(7), 81);
    EXPECT_EQ(StepToY(13), 39);
    EXPECT_EQ(StepToY(0), 130);
    EXPECT_EQ(StepToY(14), 32);
    for (int step = 1; step <= 13; ++step) {
        EXPECT_EQ(YToStep(StepToY(step)), step) << step;
    }
}

TEST(StaffRows, ExtremeArgumentsSaturateInsteadOfOverflowing) {
    EXPECT_EQ(StepToY(INT_MIN), INT_MAX);
    EXPECT_EQ(StepToY(INT_MAX), INT_MIN);
    // The exact values: -2147483648 lies 2147483729 pixels, 306783389 whole rows, above
    // the middle line.
    EXPECT_EQ(LineOffset(INT_MIN), -306783389);
    EXPECT_EQ(YToStep(INT_MIN), 306783396);
}

struct ColumnCase {
    int columns;
    std::vector<int> centres;
};

class ColumnCentres : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnCentres, TruncateBeforeMultiplying) {
    const ColumnCase& c = GetParam();
    for (int column = 0; column < static_cast<int>(c.centres.size()); ++column) {
        EXPECT_EQ(ColumnToX(column, c.columns), c.centres[column])
            << c.columns << " columns, column " << column;
    }
}

INSTANTIATE_TEST_SUITE_P(Staff, ColumnCentres,
                         ::testing::Values(ColumnCase{1, {330}}, ColumnCase{2, {205, 455}},
                                           ColumnCase{3, {163, 329, 495}},
                                           ColumnCase{4, {142, 266, 390, 514}},
                                           ColumnCase{5, {130, 230, 330, 430, 530}},
                                           ColumnCase{7, {115, 185, 255, 325, 395, 465, 535, 605}},
                                           ColumnCase{16, {95, 125, 155}},
                                           ColumnCase{251, {80, 80}},
                                           // No count, or a nonsense one, counts as one column.
                                           ColumnCase{0, {330, 830}}, ColumnCase{-3, {330}}));

TEST(ColumnCentresFar, ExtremeColumnsSaturate) {
    EXPECT_EQ(ColumnToX(INT_MAX, 1), INT_MAX);
    EXPECT_EQ(ColumnToX(INT_MIN, 1), INT_MIN);
    EXPECT_EQ(ColumnToX(15, 16), 545);
}

struct KeyCase {
    int lineOffset;
    int treble, bass;  // the key under either clef
};

class KeyTables : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTables, KeyOfALineOffsetUnderEachClef) {
    const KeyCase& k = GetParam();
    EXPECT_EQ(StepToKey(k.lineOffset, true), k.treble);
    EXPECT_EQ(StepToKey(k.lineOffset, false), k.bass);
}

INSTANTIATE_TEST_SUITE_P(
    Staff, KeyTables,
    ::testing::Values(KeyCase{-6, 81, 60}, KeyCase{-5, 79, 59}, KeyCase{-4, 77, 57},
                      KeyCase{-3, 76, 55}, KeyCase{-2, 74, 53}, KeyCase{-1, 72, 52},
                      KeyCase{0, 71, 50}, KeyCase{1, 69, 48}, KeyCase{2, 67, 47},
                      KeyCase{3, 65, 45}, KeyCase{4, 64, 43}, KeyCase{5, 62, 41},
                      KeyCase{6, 60, 40},
                      // Beyond the staff positions: the outermost key on that side.
                      KeyCase{-7, 81, 60}, KeyCase{INT_MIN, 81, 60}, KeyCase{7, 60, 40},
                      KeyCase{INT_MAX, 60, 40}));

}  // namespace

// Each ledger-line setting and clef at the outermost positions and the middle line.
struct LayoutCase {
    int ledgerLines;
    Clef clef;
    int y;
    int step;
    int key;
};

class StaffLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(StaffLayouts, StepRowAndKeyOfAPosition) {
    const LayoutCase& c = GetParam();
    const StaffGeometry geometry(c.ledgerLines);
    EXPECT_EQ(geometry.YToStep(c.y), c.step);
    EXPECT_EQ(geometry.StepToY(c.step), c.y);
    EXPECT_EQ(geometry.StepToKey(7 - c.step, c.clef), c.key);
}

INSTANTIATE_TEST_SUITE_P(
    Staff, StaffLayouts,
    ::testing::Values(
        LayoutCase{1, Clef::Treble, 39, 13, 81}, LayoutCase{1, Clef::Treble, 123, 1, 60},
        LayoutCase{1, Clef::Bass, 39, 13, 60}, LayoutCase{1, Clef::Bass, 81, 7, 50},
        LayoutCase{1, Clef::Alto, 39, 13, 71}, LayoutCase{1, Clef::Alto, 81, 7, 60},
        LayoutCase{1, Clef::Alto, 123, 1, 50}, LayoutCase{1, Clef::Tenor, 39, 13, 67},
        LayoutCase{1, Clef::Tenor, 67, 9, 60}, LayoutCase{1, Clef::Tenor, 123, 1, 47},
        LayoutCase{2, Clef::Treble, 39, 15, 84}, LayoutCase{2, Clef::Treble, 151, -1, 57},
        LayoutCase{3, Clef::Bass, 39, 17, 67}, LayoutCase{3, Clef::Bass, 109, 7, 50},
        LayoutCase{3, Clef::Bass, 179, -3, 33}, LayoutCase{4, Clef::Treble, 39, 19, 91},
        LayoutCase{4, Clef::Treble, 123, 7, 71}, LayoutCase{4, Clef::Treble, 207, -5, 50},
        LayoutCase{4, Clef::Bass, 207, -5, 29}, LayoutCase{4, Clef::Alto, 39, 19, 81},
        LayoutCase{4, Clef::Alto, 207, -5, 40}, LayoutCase{4, Clef::Tenor, 39, 19, 77},
        LayoutCase{4, Clef::Tenor, 207, -5, 36}));

TEST(StaffLayouts, OneLedgerLineIsTheOriginalStaffAndFourTheTallest) {
    const StaffGeometry tallest(kMaxLedgerLines);
    EXPECT_EQ(tallest.Height(), 244);
    EXPECT_EQ(tallest.MiddleLineY(), 123);
    EXPECT_EQ(tallest.DragBottom() - tallest.ClampBottom(), kDragBottom - kClampBottom);
    // Today's tables are the diatonic rule's values for the treble and bass clefs.
    for (int i = 0; i < kPositionCount; ++i) {
        EXPECT_EQ(KeyOfStep(13 - i, Clef::Treble), kTrebleKeys[i]) << i;
        EXPECT_EQ(KeyOfStep(13 - i, Clef::Bass), kBassKeys[i]) << i;
    }
    EXPECT_EQ(KeyOfStep(INT_MIN, Clef::Bass), 0);
    EXPECT_EQ(KeyOfStep(INT_MAX, Clef::Tenor), 127);
}
