// Faults the fuzzers found, each kept as a plain test of the behaviour that mends it.
#include <gtest/gtest.h>

#include <climits>

#include "staff/test/HeadlessStaff.h"

namespace {

// A column far to the right puts the limit, and a note's centre, at the end of the int
// range. The hit box around it must still work, instead of overflowing past INT_MAX.
TEST(FoundByFuzzing, ANoteAtTheEndOfTheIntRangeCanStillBeHit) {
    HeadlessStaff h;
    StaffProbe& staff = h.Staff();
    staff.SetFixedNote(0, -1, 1);
    staff.SetRange(INT_MAX / 2, -1);
    ASSERT_EQ(staff.State().m_nLeftLimit, INT_MAX);
    staff.Press(MK_LBUTTON, CPoint(300, 90));
    staff.Release(0, CPoint(300, 90));
    ASSERT_EQ(staff.NoteCentre(0).x, INT_MAX);

    staff.Press(MK_LBUTTON, CPoint(INT_MAX - 12, 88));
    EXPECT_EQ(staff.SelectedNote(), 0) << "the left edge of the box is inside it";
    staff.Release(0, CPoint(0, 0));
    staff.Press(MK_LBUTTON, CPoint(INT_MAX, 94));
    EXPECT_EQ(staff.SelectedNote(), 0) << "so is every x up to the end of the range";
    EXPECT_EQ(staff.NoteCount(), 1);
}

}  // namespace
