// What an instrument tells the program: a key started or ended sounding, and when. Each
// source (a MIDI keyboard, the microphone's pitch detector) hands its events to the
// window's thread; practice and the staff see nothing else of where they came from.
#pragma once

#include <cstdint>

namespace input {

struct KeyEvent {
    int key = 0;              // MIDI key: 60 is C4
    bool down = true;         // started sounding, or ended
    std::int64_t timeMs = 0;  // when, on the monotonic clock practice reads (steady_clock, ms)
};

class KeyListener {
  public:
    virtual ~KeyListener() = default;
    // On the window's thread only.
    virtual void KeyChanged(const KeyEvent& event) = 0;
};

}  // namespace input
