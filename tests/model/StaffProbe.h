// A staff control whose whole state record can be read, for tests that check it against a
// reference or against invariants after every step.
#pragma once

#include "staff/StaffControl.h"

class StaffProbe : public CStaffControl {
  public:
    int MaxNotes() const { return m_nMaxNotes; }
    int LeftLimit() const { return m_nLeftLimit; }
    int RightLimit() const { return m_nRightLimit; }
    int Columns() const { return m_nColumns; }
    int FixedStep(int column) const { return m_nFixedSteps[column]; }

    // The handlers themselves, for points beyond what a mouse message can carry.
    void Press(UINT flags, CPoint point) { OnLButtonDown(flags, point); }
    void Move(UINT flags, CPoint point) { OnMouseMove(flags, point); }
    void Release(UINT flags, CPoint point) { OnLButtonUp(flags, point); }
};
