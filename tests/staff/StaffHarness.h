// One staff control on a 600 x 160 headless window, with a recording MIDI device behind
// the mapper. Mouse messages go through the window as the window system would send them,
// and everything they cause is collected as one ordered trail of short lines.
#pragma once

#include <string>
#include <vector>

#include "midi/test/TestMidiDevice.h"
#include "platform/headless/CallLog.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessWindow.h"
#include "staff/StaffControl.h"

// Opens the control's state record to the tests.
class StaffProbe : public CStaffControl {
  public:
    using CStaffControl::ClampPoint;
    using CStaffControl::m_nColumns;
    using CStaffControl::m_nFixedSteps;
    using CStaffControl::m_nLeftLimit;
    using CStaffControl::m_nMaxNotes;
    using CStaffControl::m_nNoteCount;
    using CStaffControl::m_nRightLimit;
    using CStaffControl::m_nSelected;
    using CStaffControl::m_ptNotes;
};

class StaffHarness {
  public:
    StaffHarness();
    ~StaffHarness();

    void Down(int x, int y, UINT flags = MK_LBUTTON);
    void Move(int x, int y, UINT flags = MK_LBUTTON);
    void Up(int x, int y, UINT flags = 0);

    // The lines collected since the last call: "midi 00503c90", "invalidate",
    // "default down 1 300 90" (flags, then the point), "msgbox TEXT".
    std::vector<std::string> TakeTrail();

    // Puts notes straight into the record, as earlier presses and releases would have.
    void Place(std::initializer_list<CPoint> centres);

    CallLog log;
    HeadlessBackend backend{log};
    HeadlessWindow window{log, 600, 160};
    TestMidiDevice midi;
    StaffProbe staff;

  private:
    std::vector<std::string> m_trail;
};
