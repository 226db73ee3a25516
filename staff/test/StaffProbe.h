// The staff control with its state record open to tests: one reading view of every field
// under the control's own names, and the few ways a test reaches
// past the public operations: notes put straight into the record, limits no column gives,
// a handler called with a point no mouse message can carry, one note drawn by itself.
#pragma once

#include <initializer_list>

#include "staff/StaffControl.h"

class StaffProbe : public CStaffControl {
  public:
    // The record as it stands now, read-only, field for field.
    struct Record {
        const staff::Clef& m_clef;
        const int& m_nNoteCount;
        const int& m_nMaxNotes;
        const int& m_nSelected;
        const CPoint (&m_ptNotes)[kMaxNoteSlots];
        const int (&m_nFixedSteps)[kFixedColumns];
        const int& m_nColumns;
        const int& m_nLeftLimit;
        const int& m_nRightLimit;
    };
    Record State() const {
        return {m_clef,        m_nNoteCount, m_nMaxNotes,  m_nSelected,  m_ptNotes,
                m_nFixedSteps, m_nColumns,   m_nLeftLimit, m_nRightLimit};
    }

    // Adds notes after those placed, as earlier presses and releases would have.
    void AddNotes(std::initializer_list<CPoint> centres) {
        for (const CPoint& centre : centres) {
            m_ptNotes[m_nNoteCount++] = centre;
        }
    }
    // Replaces the notes; `selected` is the index of the dragged one, -1 for none.
    void SetNotes(std::initializer_list<CPoint> centres, int selected = -1) {
        m_nNoteCount = 0;
        m_nCurrent = -1;
        AddNotes(centres);
        Select(selected);
    }
    // Makes the note at `index` the dragged one, -1 for none.
    void Select(int index) { m_nSelected = index; }
    // The smallest and largest x a note's centre may take, -1 for none.
    void SetLimits(int left, int right) {
        m_nLeftLimit = left;
        m_nRightLimit = right;
    }

    void Press(UINT flags, CPoint point) { OnLButtonDown(flags, point); }
    void Move(UINT flags, CPoint point) { OnMouseMove(flags, point); }
    void Release(UINT flags, CPoint point) { OnLButtonUp(flags, point); }
    void DrawOneNote(int x, int y, bool selected) {
        selected ? DrawSelectedNote(x, y) : DrawNote(x, y);
    }
};
