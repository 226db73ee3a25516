// The one line that tells the user where the notes go, or why nothing will sound and what
// to do about it, from what the two outputs say of themselves.
#pragma once

#include <string>

#include "midi/SoundWords.h"

struct OutputFacts {
    bool present = false;  // part of the routing at all
    bool open = false;
    bool listened = false;  // a port with at least one subscriber
    std::string status;     // where the notes go while open; why not otherwise
    std::string remedy;     // what would fix a failure; may be empty
};

// e.g. "sound: built-in synth (default-GM.sf2) on PulseAudio, 10.7 ms buffer; MIDI port
// Canzet:Canzet (128:0)" or "no sound: no audio output (...); connect a synth to MIDI port
// Canzet:Canzet (128:0) or start the desktop's sound server".
std::string SoundLine(const OutputFacts& synth, const OutputFacts& port, const SoundWords& words);
