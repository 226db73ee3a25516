// One staff control in treble clef on a 600 x 160 headless window, with an open recording
// MIDI device behind the mapper. Every platform call and every MIDI message that reaches
// the device is written to the output as it happens.
#pragma once

#include <ostream>

#include "staff/test/HeadlessStaff.h"

class ReplaySession {
  public:
    explicit ReplaySession(std::ostream& out);

    CStaffControl& Staff() { return m_staff.Staff(); }
    HeadlessStaff& Headless() { return m_staff; }
    std::ostream& Out() { return m_out; }

  private:
    std::ostream& m_out;
    HeadlessStaff m_staff;
};
