// One staff control in treble clef on a 600 x 160 headless window, with an open recording
// MIDI device behind the mapper. Every platform call and every MIDI message that reaches
// the device is written to the output as it happens.
#pragma once

#include <ostream>

#include "midi/test/TestMidiDevice.h"
#include "platform/headless/CallLog.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessWindow.h"
#include "staff/StaffControl.h"

class ReplaySession {
  public:
    explicit ReplaySession(std::ostream& out);
    ~ReplaySession();
    ReplaySession(const ReplaySession&) = delete;
    ReplaySession& operator=(const ReplaySession&) = delete;

    CStaffControl& Staff() { return m_staff; }
    HeadlessWindow& Window() { return m_window; }
    std::ostream& Out() { return m_out; }

  private:
    std::ostream& m_out;
    CallLog m_log;
    HeadlessBackend m_backend{m_log};
    HeadlessWindow m_window{m_log, 600, 160};
    TestMidiDevice m_midi;
    CStaffControl m_staff;
};
