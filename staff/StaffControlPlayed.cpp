// Notes moved by keys played on an instrument, as the arrow keys move them.
#include <optional>

#include "staff/StaffControl.h"
#include "staff/StaffGeometry.h"

namespace {

// The step of the staff's positions that sounds `key`, or none.
std::optional<int> StepOfKey(int key, const staff::StaffGeometry& geometry, staff::Clef clef) {
    for (int step = geometry.LowestStep(); step <= geometry.HighestStep(); ++step) {
        if (staff::KeyOfStep(step, clef) == key) {
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace

bool CStaffControl::PlaceKey(int key) {
    const std::optional<int> found = StepOfKey(key, m_geometry, m_clef);
    if (!found || m_nSelected != -1) {
        return false;
    }
    const int step = *found;
    const int y = StepToY(step);
    if (m_nCurrent != -1) {
        if (m_ptNotes[m_nCurrent].y == y) {
            return false;
        }
        m_ptNotes[m_nCurrent].y = y;
    } else {
        CPoint placed;
        if (m_nNoteCount >= m_nMaxNotes || !FindFreePlace(placed) || !IsFree(CPoint(placed.x, y))) {
            return false;
        }
        m_nCurrent = m_nNoteCount;
        m_ptNotes[m_nNoteCount++] = CPoint(placed.x, y);
    }
    CWnd::InvalidateRect(nullptr, FALSE);
    UpdateAccessibleText(m_nCurrent);
    return true;
}
