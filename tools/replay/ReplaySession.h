// One staff control in treble clef on a 600 x 160 headless window, with an open recording
// MIDI device behind the mapper. Every platform call and every MIDI message that reaches
// the device is written to the output as it happens, each line flushed as it is written
// so that another program can drive the session line by line.
#pragma once

#include <ostream>

#include "staff/test/HeadlessStaff.h"
#include "tools/replay/ReplayDays.h"
#include "tools/replay/ReplayPractice.h"

class ReplaySession {
  public:
    explicit ReplaySession(std::ostream& out);

    CStaffControl& Staff() { return m_staff.Staff(); }
    HeadlessStaff& Headless() { return m_staff; }
    std::ostream& Out() { return m_out; }
    ReplayPractice& Practice() { return m_practice; }
    ReplayDays& Days() { return m_days; }

  private:
    std::ostream& m_out;
    HeadlessStaff m_staff;
    ReplayPractice m_practice{m_staff.Staff(), m_out};
    ReplayDays m_days{m_practice, m_out};
};
