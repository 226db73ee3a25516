// The MIDI output a desktop user expects behind MIDI_MAPPER with no setting at all: the
// built-in synthesizer, plus a published port for anyone who wants the notes elsewhere.
// While something is subscribed to the port the notes go there instead of the built-in
// synth, and back to it when the last subscription goes; this is checked at every send.
#pragma once

#include <memory>

#include "midi/MidiDevice.h"
#include "midi/MidiPort.h"

class SystemMidiDevice : public MidiDevice {
  public:
    SystemMidiDevice(std::unique_ptr<MidiDevice> synth, std::unique_ptr<MidiPort> port);
    ~SystemMidiDevice() override;

    // Fails only when neither output can exist here.
    MMRESULT GetCaps(MIDIOUTCAPSA& caps) override;
    // Succeeds when at least one output opened: a published port with no synth behind it
    // is still somewhere the notes can be heard, once a synth is connected to it.
    MMRESULT Open() override;
    MMRESULT ShortMsg(DWORD message) override;
    MMRESULT Close() override;

  private:
    bool IsOpen() const { return m_bSynthOpen || m_bPortOpen; }

    std::unique_ptr<MidiDevice> m_synth;
    std::unique_ptr<MidiPort> m_port;
    bool m_bSynthOpen = false;
    bool m_bPortOpen = false;
};
