// What a midiIn callback carries, as a key: a short message (MIM_DATA) packed low byte
// first, status, key, velocity. Free of the system's headers, so that it is tested anywhere.
#pragma once

#include <cstdint>
#include <optional>

#include "input/KeyInput.h"

namespace input::midi {

inline constexpr unsigned kMidiInData = 0x3C3;  // MIM_DATA

// The key a callback's message starts or ends, stamped `nowMs`; nothing for any other
// message. Each short message comes whole, so a status of its own is always there.
std::optional<KeyEvent> KeyFromMidiIn(unsigned message, std::uintptr_t packed, std::int64_t nowMs);

}  // namespace input::midi
