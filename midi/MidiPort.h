// A MIDI output that other programs or instruments subscribe to, such as a sequencer port.
// Whoever routes notes asks it, at send time, whether anyone is listening.
#pragma once

#include "midi/MidiDevice.h"

class MidiPort : public MidiDevice {
  public:
    // True while at least one subscriber receives what the port sends; false when closed.
    virtual bool HasSubscribers() = 0;
};
