// One MIDI output that can stand behind MIDI_MAPPER. A device is opened at most once at
// a time; the handle the program holds stands for the device while it is open.
#pragma once

#include <functional>
#include <string>

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

    // For the user, in a few words: where the notes go while open ("built-in synth on
    // PulseAudio"); after a failed query or open, why not ("no sound card").
    virtual std::string Status() const { return {}; }
    // What the user could do about that failure; empty when nothing obvious.
    virtual std::string Remedy() const { return {}; }
    // Whether what is sent is heard now: an open synth whose audio output went is not.
    virtual bool Heard() const { return true; }
    // Told, on a thread of the device's own, when Heard() or Status() changes while open.
    virtual void SetStatusListener(std::function<void()> listener) { (void)listener; }
};
