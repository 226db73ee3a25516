// The MIDI output a desktop user expects behind MIDI_MAPPER with no setting at all: the
// built-in synthesizer, plus a published port for anyone who wants the notes elsewhere.
// While something is subscribed to the port the notes go there instead of the built-in
// synth, and back to it when the last subscription goes; this is checked at every send.
// Either output may be left out (null). Closing sends All Notes Off to both, and so does a
// change of route to the output that stops being used, so nothing keeps sounding; the
// device says in one line where the notes go whenever that changes. With an instrument
// chosen, a note-off is held back a second (see HeldNoteOffs).
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "midi/MidiDevice.h"
#include "midi/MidiPort.h"
#include "midi/system/HeldNoteOffs.h"

class SystemMidiDevice : public MidiDevice {
  public:
    using Reporter = std::function<void(const std::string& line)>;

    // `program`, 0 to 127, is sent to both outputs as a program change on channel 1 right
    // after they open; -1 sends none. `report` may be called from the port's own thread.
    SystemMidiDevice(std::unique_ptr<MidiDevice> synth, std::unique_ptr<MidiPort> port,
                     Reporter report = {}, int program = -1);
    ~SystemMidiDevice() override;

    // Fails only when neither output can exist here.
    MMRESULT GetCaps(MIDIOUTCAPSA& caps) override;
    // Succeeds when at least one output opened: a published port with no synth behind it
    // is still somewhere the notes can be heard, once a synth is connected to it.
    MMRESULT Open() override;
    MMRESULT ShortMsg(DWORD message) override;
    MMRESULT Close() override;
    std::string Status() const override;

  private:
    bool IsOpen() const { return m_bSynthOpen || m_bPortOpen; }
    void SendToBoth(DWORD message);
    // Sends to where the notes go now, under the send lock.
    void Route(DWORD message);
    // Where the notes go now; the output that stops being used is silenced first. Called
    // with the send lock held.
    MidiDevice* CurrentOutput();
    // Reports the status line when it differs from the last one reported.
    void Report();

    std::unique_ptr<MidiDevice> m_synth;
    std::unique_ptr<MidiPort> m_port;
    Reporter m_report;
    int m_program;
    // Written on the user's thread, read on the outputs' own.
    std::atomic<bool> m_bSynthOpen = false;
    std::atomic<bool> m_bPortOpen = false;

    std::mutex m_sendMutex;  // the port's thread and the held note-offs send too
    bool m_bToPort = false;
    std::unique_ptr<HeldNoteOffs> m_heldNoteOffs;

    mutable std::mutex m_reportMutex;  // the port's thread reports too
    std::string m_lastReport;
};
