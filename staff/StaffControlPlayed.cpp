// Notes moved by keys played on an instrument, as the arrow keys move them.
#include <optional>

#include "staff/StaffControl.h"
#include "staff/StaffGeometry.h"
#include "staff/WrittenPitch.h"

bool CStaffControl::PlaceKey(int key) {
    std::optional<int> step = m_geometry.KeyToStep(key, m_clef);
    staff::Accidental accidental = staff::Accidental::None;
    // With signs about, every key has a place: its letter, and a sign where the signature
    // does not give it.
    if (m_nSignature != 0 || m_bAccidentalKeys) {
        const staff::WrittenKey written = staff::WriteKey(key, m_nSignature);
        const int lineOffset = MiddleLine() - written.pitch.letterStep;
        step = 7 - lineOffset;
        accidental = written.accidental;
        if (*step < m_geometry.LowestStep() || *step > m_geometry.HighestStep()) {
            step.reset();
        }
    }
    if (!step || m_nSelected != -1) {
        return false;
    }
    const int y = StepToY(*step);
    if (m_nCurrent != -1) {
        if (m_ptNotes[m_nCurrent].y == y && m_accidentals[m_nCurrent] == accidental) {
            return false;
        }
        m_ptNotes[m_nCurrent].y = y;
        m_accidentals[m_nCurrent] = accidental;
    } else {
        CPoint placed;
        if (m_nNoteCount >= m_nMaxNotes || !FindFreePlace(placed) || !IsFree(CPoint(placed.x, y))) {
            return false;
        }
        m_nCurrent = m_nNoteCount;
        m_accidentals[m_nCurrent] = accidental;
        m_ptNotes[m_nNoteCount++] = CPoint(placed.x, y);
    }
    CWnd::InvalidateRect(nullptr, FALSE);
    UpdateAccessibleText(m_nCurrent);
    return true;
}
