// One staff control on a 600 x 160 headless window, a recording MIDI device behind the
// mapper, and ways to put notes into its record and repaint it.
#pragma once

#include <initializer_list>

#include "midi/test/TestMidiDevice.h"
#include "platform/headless/CallLog.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessWindow.h"
#include "staff/StaffControl.h"

namespace paint_test {

class PaintedStaff : public CStaffControl {
  public:
    using CStaffControl::DrawNote;
    using CStaffControl::DrawSelectedNote;
    using CStaffControl::m_nNoteCount;
    using CStaffControl::m_nSelected;
    using CStaffControl::m_ptNotes;
};

class StaffCanvas {
  public:
    // Loads the treble pictures unless told not to.
    explicit StaffCanvas(bool loadPictures = true);
    ~StaffCanvas();
    StaffCanvas(const StaffCanvas&) = delete;
    StaffCanvas& operator=(const StaffCanvas&) = delete;

    // Replaces the placed notes; `selected` is the index of the dragged one, −1 for none.
    void SetNotes(std::initializer_list<CPoint> centres, int selected = -1);
    // Marks the whole control (or a part) invalid and delivers the WM_PAINT that follows.
    void Repaint();
    void Repaint(const RECT& part);
    Surface& Screen() { return window.ClientSurface(); }

    CallLog log;
    HeadlessBackend backend{log};
    HeadlessWindow window{log, 600, 160};
    TestMidiDevice midi;
    PaintedStaff staff;
};

}  // namespace paint_test
