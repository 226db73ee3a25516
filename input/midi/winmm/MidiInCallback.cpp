#include "input/midi/winmm/MidiInCallback.h"

#include "input/midi/MidiInDecoder.h"

namespace input::midi {

std::optional<KeyEvent> KeyFromMidiIn(unsigned message, std::uintptr_t packed, std::int64_t nowMs) {
    if (message != kMidiInData) {
        return std::nullopt;
    }
    MidiInDecoder decoder;
    for (int shift = 0; shift < 24; shift += 8) {
        if (const auto key = decoder.Feed(static_cast<unsigned char>(packed >> shift)).key) {
            return KeyEvent{.key = key->key, .down = key->down, .timeMs = nowMs};
        }
    }
    return std::nullopt;
}

}  // namespace input::midi
