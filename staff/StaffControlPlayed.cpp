// Notes moved by keys played on an instrument, as the arrow keys move them.
#include "staff/StaffControl.h"
#include "staff/StaffGeometry.h"

bool CStaffControl::PlaceKey(int key) {
    const int step = staff::KeyToStep(key, m_bTreble);
    if (step == 0 || m_nSelected != -1) {
        return false;
    }
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
