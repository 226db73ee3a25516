// A MIDI output that other programs or instruments subscribe to, such as a sequencer port.
// Whoever routes notes asks it, at send time, whether anyone is listening.
#pragma once

#include <functional>

#include "midi/MidiDevice.h"

class MidiPort : public MidiDevice {
  public:
    // True while at least one subscriber receives what the port sends; false when closed.
    virtual bool HasSubscribers() = 0;

    // Told, on a thread of the port's own, each time a subscriber comes or goes while the
    // port is open; Status() then names who listens. Set before Open.
    virtual void SetSubscriptionListener(std::function<void()> listener) { (void)listener; }
};
