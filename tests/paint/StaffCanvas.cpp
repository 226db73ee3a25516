#include "StaffCanvas.h"

#include "midi/MidiMapper.h"

namespace paint_test {

StaffCanvas::StaffCanvas(bool loadPictures) {
    SetCurrentBackend(&backend);
    SetMidiMapperDevice(&midi);
    staff.Attach(&window);
    if (loadPictures) {
        staff.SetClef(true);
    }
}

StaffCanvas::~StaffCanvas() {
    staff.CloseMidi();
    staff.Attach(nullptr);
    SetMidiMapperDevice(nullptr);
    SetCurrentBackend(nullptr);
}

void StaffCanvas::SetNotes(std::initializer_list<CPoint> centres, int selected) {
    staff.m_nNoteCount = 0;
    for (const CPoint& centre : centres) {
        staff.m_ptNotes[staff.m_nNoteCount++] = centre;
    }
    staff.m_nSelected = selected;
}

void StaffCanvas::Repaint() {
    staff.InvalidateRect(nullptr, FALSE);
    window.RunPendingPaint();
}

void StaffCanvas::Repaint(const RECT& part) {
    staff.InvalidateRect(&part, FALSE);
    window.RunPendingPaint();
}

}  // namespace paint_test
