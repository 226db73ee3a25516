// One staff control on a 600 x 160 headless window, with a recording MIDI device behind the
// mapper: the set-up of the staff tests, the fuzzer and canzet-replay. While the fixture
// lives its backend and its device are the process's own; the ones before come back after.
// The control is attached to the window, as the dialog's binding does, and nothing more:
// pictures (SetClef) and the MIDI output (InitMidi) are the user's to ask for.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "midi/test/TestMidiDevice.h"
#include "platform/headless/CallLog.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessWindow.h"
#include "staff/test/ScopedCurrent.h"
#include "staff/test/StaffProbe.h"

class HeadlessStaff {
  public:
    HeadlessStaff() : HeadlessStaff(&midi) {}
    // With `device` behind the mapper instead of the recording device; nullptr for none.
    explicit HeadlessStaff(MidiDevice* device);
    ~HeadlessStaff();
    HeadlessStaff(const HeadlessStaff&) = delete;
    HeadlessStaff& operator=(const HeadlessStaff&) = delete;

    StaffProbe& Staff() { return *m_staff; }
    const StaffProbe& Staff() const { return *m_staff; }
    // Destroys the control, which closes its MIDI output, and attaches a fresh one.
    void Renew();
    // Destroys the control and leaves none.
    void DestroyStaff() { m_staff.reset(); }

    // From now on every call made to the window system and every short message the device
    // accepts goes to `sink` as one transcript line (staff/test/Transcript.h), as it happens.
    void Transcribe(std::function<void(const std::string&)> sink);
    // The same lines kept here; TakeTranscript returns those kept since its last call.
    void KeepTranscript();
    std::vector<std::string> TakeTranscript();

    // Mouse messages through the window, as the window system delivers them.
    void Down(int x, int y, UINT flags = MK_LBUTTON);
    void Move(int x, int y, UINT flags = MK_LBUTTON);
    void Up(int x, int y, UINT flags = 0);
    // Marks the whole control (or a part of it) invalid and delivers the WM_PAINT that follows.
    void Repaint();
    void Repaint(const RECT& part);
    Surface& Screen() { return window.ClientSurface(); }

    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> MessageBoxes() const;

    CallLog log;
    HeadlessBackend backend{log};
    HeadlessWindow window{log, 600, 160};
    TestMidiDevice midi;

  private:
    ScopedBackend m_backend{&backend};
    ScopedMidiMapperDevice m_mapper;
    std::unique_ptr<StaffProbe> m_staff;
    std::vector<std::string> m_kept;
};
