#include <algorithm>
#include <cstdint>

#include "staff/SignLayout.h"
#include "staff/StaffControl.h"
#include "staff/StaffGeometry.h"

using namespace staff;

// The fixed bounds first, then the owner's limits, which win over them.
CPoint CStaffControl::ClampPoint(CPoint point) const {
    point.x = std::clamp<LONG>(point.x, NoteAreaLeft(m_nSignature, m_bAccidentalKeys), kClampRight);
    point.y = std::clamp<LONG>(point.y, m_geometry.ClampTop(), m_geometry.ClampBottom());
    if (m_nLeftLimit != -1 && point.x < m_nLeftLimit) {
        point.x = m_nLeftLimit;
    }
    if (m_nRightLimit != -1 && point.x > m_nRightLimit) {
        point.x = m_nRightLimit;
    }
    return point;
}

// In 64 bits as the hit test, then cut to the int range: a limit can put a centre anywhere.
CRect CStaffControl::NoteBox(int index) const {
    const auto edge = [](std::int64_t value) {
        return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    };
    const std::int64_t x = m_ptNotes[index].x;
    const std::int64_t y = m_ptNotes[index].y;
    return CRect(edge(x - kNoteHalfWidth), edge(y - kNoteHalfHeight), edge(x + kNoteHalfWidth),
                 edge(y + kNoteHalfHeight));
}

int CStaffControl::NoteAt(CPoint point) const {
    for (int i = 0; i < m_nNoteCount; ++i) {
        // The PtInRect rule (left and top edges in, right and bottom out), in 64 bits: an
        // owner's limit can put a centre at the end of the int range, where the box edges
        // would overflow.
        const std::int64_t x = m_ptNotes[i].x;
        const std::int64_t y = m_ptNotes[i].y;
        if (point.x >= x - kNoteHalfWidth && point.x < x + kNoteHalfWidth &&
            point.y >= y - kNoteHalfHeight && point.y < y + kNoteHalfHeight) {
            return i;
        }
    }
    return -1;
}

bool CStaffControl::FindNoteAt(CPoint point) {
    const int found = NoteAt(point);
    if (found == -1) {
        return false;
    }
    m_nSelected = found;
    return true;
}

void CStaffControl::OnLButtonDown(UINT nFlags, CPoint point) {
    const CPoint clamped = ClampPoint(point);
    // The hit test sees the pointer where it really is, not where the clamp put it.
    if (FindNoteAt(point)) {
        m_ptNotes[m_nSelected] = clamped;
    } else {
        if (m_nNoteCount >= m_nMaxNotes) {
            return;
        }
        m_nSelected = m_nNoteCount;
        m_accidentals[m_nNoteCount] = Accidental::None;
        m_ptNotes[m_nNoteCount++] = clamped;
    }
    m_nCurrent = m_nSelected;
    CWnd::InvalidateRect(nullptr, FALSE);
    CWnd::OnLButtonDown(nFlags, point);
}

void CStaffControl::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_nSelected == -1) {
        return;
    }
    const bool outsideDragArea = point.x < kDragLeft || point.x > kDragRight ||
                                 point.y < m_geometry.DragTop() ||
                                 point.y > m_geometry.DragBottom();
    const CPoint clamped = ClampPoint(point);
    if (outsideDragArea) {
        // The note stays where it was, unsnapped: leaving the area cancels the drag.
        m_nSelected = -1;
        EndNote();
        CWnd::InvalidateRect(nullptr, FALSE);
        UpdateAccessibleText();
        return;
    }
    const int newOffset = m_geometry.LineOffset(clamped.y);
    if (m_geometry.LineOffset(m_ptNotes[m_nSelected].y) != newOffset) {
        PlayNote(NoteKeyAt(m_nSelected, newOffset));
    }
    m_ptNotes[m_nSelected] = clamped;
    CWnd::InvalidateRect(nullptr, FALSE);
    CWnd::OnMouseMove(nFlags, point);
}

void CStaffControl::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_nSelected == -1) {
        return;
    }
    CPoint& note = m_ptNotes[m_nSelected];
    note.y = m_geometry.SnappedY(note.y);
    m_nSelected = -1;
    EndNote();
    CWnd::InvalidateRect(nullptr, FALSE);
    UpdateAccessibleText();
    // An owner may take the note where it was let go as an answer; the main dialog does not.
    NotifyParent(STAFFN_DRAGENDED);
    CWnd::OnLButtonUp(nFlags, point);
}
