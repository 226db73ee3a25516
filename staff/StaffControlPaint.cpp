// Painting: the staff picture, then the fixed notes, then the placed notes, each note
// straight onto the client area through a context of its own.
#include <algorithm>

#include "platform/CDC.h"
#include "staff/SignLayout.h"
#include "staff/StaffControl.h"
#include "staff/StaffGeometry.h"

namespace {

using staff::kHalfStep;
using staff::kNoteHalfHeight;
using staff::kNoteHalfWidth;
using staff::kStaffWidth;

constexpr int kNoteWidth = 2 * kNoteHalfWidth + 1;
constexpr int kNoteHeight = 2 * kNoteHalfHeight + 1;

// Ledger lines run from x − 24 up to (not including) x + 24, one staff space apart,
// outward from one space beyond the outer staff lines.
constexpr int kLedgerHalfLength = 24;
constexpr int kLedgerSpacing = 2 * kHalfStep;
// A line offset beyond this needs ledger lines.
constexpr int kLastStaffOffset = 5;

// The heard pitch, in the last of five columns, clear of the question's note and of a
// judged answer's two; beyond the staff an arrow from the note's edge points on.
constexpr int kHeardColumn = 4;
constexpr int kHeardColumns = 5;
constexpr int kArrowStart = kNoteHalfHeight + 2;
constexpr int kArrowLength = 12;
constexpr int kArrowHead = 4;

// Far enough outside the control that whatever is drawn there is clipped away, near enough
// that no coordinate sum below overflows.
constexpr int kFarOutside = 1 << 20;

void DrawLedgerLines(CDC& dc, const staff::StaffGeometry& geometry, int x, int y) {
    const int offset = geometry.LineOffset(y);
    if (offset > kLastStaffOffset) {
        const int count = (offset - kLastStaffOffset) / 2 + 1;
        // Lines past the control's edge would be clipped: stop there.
        for (int i = 0, ly = geometry.FirstLedgerBelowY(); i < count && ly < geometry.Height();
             ++i, ly += kLedgerSpacing) {
            dc.MoveTo(x - kLedgerHalfLength, ly);
            dc.LineTo(x + kLedgerHalfLength, ly);
        }
    } else if (offset < -kLastStaffOffset) {
        const int count = (-offset - kLastStaffOffset) / 2 + 1;
        for (int j = 0, ly = geometry.FirstLedgerAboveY(); j < count && ly >= 0;
             ++j, ly -= kLedgerSpacing) {
            dc.MoveTo(x - kLedgerHalfLength, ly);
            dc.LineTo(x + kLedgerHalfLength, ly);
        }
    }
}

// Ledger lines, then the mask whitens the ring (MERGEPAINT) and the glyph darkens it
// (SRCAND): each pixel ends as glyph AND (NOT mask OR screen), so the ground stays clear.
void PaintNote(CWnd* window, const staff::StaffGeometry& geometry, int x, int y, CBitmap& mask,
               CBitmap& glyph) {
    x = std::clamp(x, -kFarOutside, kFarOutside);
    y = std::clamp(y, -kFarOutside, kFarOutside);
    CClientDC client(window);
    DrawLedgerLines(client, geometry, x, y);
    CDC memory;
    memory.CreateCompatibleDC(&client);
    memory.SelectObject(&mask);
    client.BitBlt(x - kNoteHalfWidth, y - kNoteHalfHeight, kNoteWidth, kNoteHeight, &memory, 0, 0,
                  MERGEPAINT);
    memory.SelectObject(&glyph);
    client.BitBlt(x - kNoteHalfWidth, y - kNoteHalfHeight, kNoteWidth, kNoteHeight, &memory, 0, 0,
                  SRCAND);
}

}  // namespace

// The background is erased as any window's is.
BOOL CStaffControl::OnEraseBkgnd(CDC* pDC) {
    return CWnd::OnEraseBkgnd(pDC);
}

void CStaffControl::OnPaint() {
    CPaintDC dc(this);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    if (m_bmpStaff.IsEmpty()) {
        // Before the pictures are loaded the control shows white, not stale pixels.
        dc.PatBlt(0, 0, kStaffWidth, m_geometry.Height(), WHITENESS);
    } else {
        memory.SelectObject(&m_bmpStaff);
        dc.BitBlt(0, 0, kStaffWidth, m_geometry.Height(), &memory, 0, m_nPictureTop, SRCCOPY);
    }
    DrawKeySignature();
    for (int column = 0; column < kFixedColumns; ++column) {
        if (m_nFixedSteps[column] != -1) {
            DrawShadedNote(ColumnToX(column), StepToY(m_nFixedSteps[column]),
                           m_fixedShades[column]);
        }
    }
    const int noteCount = std::min(m_nNoteCount, kMaxNoteSlots);
    // With several notes the keyboard's one is marked while the keys work on it: with the
    // focus, once the keyboard has been used, so that mouse edits look as they always have.
    const bool keyboardFocus = m_bFocused && !FocusCuesHidden();
    const int marked = keyboardFocus && noteCount > 1 ? m_nCurrent : -1;
    for (int i = 0; i < noteCount; ++i) {
        const bool red = i == m_nSelected || i == marked;
        DrawSign(staff::AccidentalLeft(m_ptNotes[i].x, m_accidentals[i]), m_ptNotes[i].y,
                 m_accidentals[i], red);
        if (red) {
            DrawSelectedNote(m_ptNotes[i].x, m_ptNotes[i].y);
        } else {
            DrawShadedNote(m_ptNotes[i].x, m_ptNotes[i].y, m_notesShade);
        }
    }
    if (m_heard) {
        DrawHeardNote();
    }
    if (keyboardFocus) {
        CRect client;
        GetClientRect(&client);
        dc.DrawFocusRect(&client);
    }
}

void CStaffControl::DrawNote(int x, int y) {
    PaintNote(this, m_geometry, x, y, m_bmpNoteMask, m_bmpNote);
}

void CStaffControl::DrawSelectedNote(int x, int y) {
    PaintNote(this, m_geometry, x, y, m_bmpNoteMask, m_bmpNoteSelected);
}

void CStaffControl::DrawFixedNote(int column, int step) {
    const int x = ColumnToX(column);
    const int y = StepToY(step);
    const staff::Accidental accidental = m_fixedAccidentals[column];
    DrawSign(staff::AccidentalLeft(x, accidental), y, accidental, false);
    DrawNote(x, y);
}

void CStaffControl::DrawShadedNote(int x, int y, NoteShade shade) {
    switch (shade) {
        case NoteShade::Plain:
            DrawNote(x, y);
            break;
        case NoteShade::Right:
            PaintNote(this, m_geometry, x, y, m_bmpNoteMask, m_bmpNoteRight);
            break;
        case NoteShade::Wrong:
            DrawSelectedNote(x, y);
            break;
    }
}

void CStaffControl::DrawHeardNote() {
    const int x = staff::ColumnToX(kHeardColumn, kHeardColumns);
    const int y = StepToY(m_heard->step);
    PaintNote(this, m_geometry, x, y, m_bmpNoteMask, m_bmpNoteHeard);
    if (m_heard->beyond == 0) {
        return;
    }
    const int side = m_heard->beyond > 0 ? -1 : 1;  // up the screen for too high
    const int from = y + side * kArrowStart;
    const int tip = from + side * kArrowLength;
    CClientDC dc(this);
    dc.MoveTo(x, from);
    dc.LineTo(x, tip + side);
    dc.MoveTo(x - kArrowHead, tip - side * kArrowHead);
    dc.LineTo(x, tip);
    dc.MoveTo(x + kArrowHead, tip - side * kArrowHead);
    dc.LineTo(x, tip);
}
