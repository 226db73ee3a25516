// The bytes of one MIDI source as they arrive, turned into keys going down and up. A
// keyboard may leave out a status byte that repeats (running status) and put system
// real-time bytes (clock, active sensing) anywhere, even inside a message; every channel
// counts, and a note-on at velocity 0 is a note-off. Everything else is passed over.
#pragma once

#include <optional>

namespace input::midi {

struct DecodedKey {
    int key = 0;
    bool down = true;
    int channel = 0;  // 0..15
};

class MidiInDecoder {
  public:
    struct Result {
        std::optional<DecodedKey> key;  // a note-on or note-off just completed
        bool stray = false;             // a data byte with no status to belong to
    };

    Result Feed(unsigned char byte);
    // Whether a message has begun and waits for its data bytes.
    bool Partial() const { return m_count > 0 || (m_status != 0 && m_needed > 0 && !m_running); }
    // Forgets a partial message and the running status, as after a source comes back.
    void Reset() { *this = MidiInDecoder(); }

  private:
    unsigned char m_status = 0;  // 0: none to run on
    int m_needed = 0;            // data bytes the status takes
    unsigned char m_data[2] = {};
    int m_count = 0;
    bool m_running = false;  // a whole message went by under m_status
    bool m_sysex = false;
};

}  // namespace input::midi
