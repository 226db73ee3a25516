// How the built-in synthesizer sounds and reaches the speakers. The audio period is kept
// short so that a note dragged onto a line is heard at once.
#pragma once

#include <string>
#include <vector>

namespace audio_settings {

inline constexpr int kSampleRate = 48000;  // what PipeWire and most sound cards run at
inline constexpr int kPeriodSize = 256;    // frames per period
inline constexpr int kPeriods = 2;

// The configured output latency, period size × periods ÷ rate, in microseconds.
inline constexpr int ConfiguredLatencyMicroseconds() {
    return kPeriodSize * kPeriods * 1000 / (kSampleRate / 1000);
}
static_assert(ConfiguredLatencyMicroseconds() <= 12000, "notes must sound within 12 ms");

inline const std::string kDefaultSoundfont = "/usr/share/sounds/sf2/default-GM.sf2";

// PipeWire serves the PulseAudio protocol too, so the desktop's default output comes first.
inline std::vector<std::string> DefaultAudioDrivers() {
    return {"pulseaudio", "alsa", "jack"};
}

// The drivers a user may ask for by name, where FluidSynth has them.
inline std::vector<std::string> AskableAudioDrivers() {
    return {"pulseaudio", "alsa", "jack", "pipewire"};
}

}  // namespace audio_settings
