// A MIDI output that exists everywhere and hears nothing: for running without sound on
// purpose, never as a silent stand-in for a device that failed.
#pragma once

#include "midi/MidiDevice.h"

class NullMidiDevice : public MidiDevice {
  public:
    MMRESULT GetCaps(MIDIOUTCAPSA& caps) override;
    MMRESULT Open() override;
    MMRESULT ShortMsg(DWORD message) override;
    MMRESULT Close() override;

  private:
    bool m_bOpen = false;
};
