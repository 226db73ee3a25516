// A look at a soundfont before the synthesizer reads it, which must never block: only a
// regular file is opened, and then without waiting. FluidSynth tells a soundfont from any
// other file; the RIFF header's stated length tells a truncated copy from a whole one
// without reading the samples.
#pragma once

#include <string>

enum class SoundfontCheck {
    Whole,
    Missing,
    NotAFile,  // a directory, a device, a FIFO or a socket
    Unreadable,
    NotASoundfont,
    NotWhole,
};

struct SoundfontVerdict {
    SoundfontCheck check = SoundfontCheck::Whole;
    std::string reason;  // the system's, for Unreadable ("Permission denied")
};

SoundfontVerdict CheckSoundfontFile(const std::string& path);

inline bool LooksLikeSoundfont(const std::string& path) {
    return CheckSoundfontFile(path).check == SoundfontCheck::Whole;
}
