// What a MIDI input backend tells the program, on a thread of the backend's own: keys
// played, and keyboards that came or went. The receiver hands each to the window's thread.
#pragma once

#include <string>

#include "input/KeyInput.h"

namespace input::midi {

class MidiInSink {
  public:
    virtual ~MidiInSink() = default;
    virtual void KeyPlayed(const KeyEvent& event) = 0;
    // `name` as the system names the source: "Digital Piano (20:0)".
    virtual void KeyboardCame(const std::string& name) = 0;
    virtual void KeyboardWent(const std::string& name) = 0;
};

}  // namespace input::midi
