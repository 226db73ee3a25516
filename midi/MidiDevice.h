// One MIDI output that can stand behind MIDI_MAPPER. A device is opened at most once at
// a time; the handle the program holds stands for the device while it is open.
#pragma once

#include "midi/MidiOut.h"

class MidiDevice {
  public:
    virtual ~MidiDevice() = default;

    // Succeeds when the device can exist on this machine; fills the record.
    virtual MMRESULT GetCaps(MIDIOUTCAPSA& caps) = 0;
    virtual MMRESULT Open() = 0;
    // A packed short message, low byte first: status, first data byte, second data byte.
    virtual MMRESULT ShortMsg(DWORD message) = 0;
    virtual MMRESULT Close() = 0;
};
