// How the program wants its notes sounded: plain values, read from wherever the program
// keeps its settings and handed to CreateSystemMidiDevice.
#pragma once

#include <string>

#include "midi/fluidsynth/AudioSettings.h"

struct SoundSettings {
    enum class Route {
        Auto,   // the built-in synth, or the port while something listens to it
        Synth,  // the built-in synth only
        Port,   // the port only
        None,   // nothing sounds, on purpose
    };

    std::string soundfont = audio_settings::kDefaultSoundfont;
    bool soundfontChosen = false;  // named by the user rather than looked for by default
    std::string audioDriver;       // one of AvailableAudioDrivers(); empty tries them in order
    Route route = Route::Auto;
    int instrument = 0;            // General MIDI program 1 to 128; 0 leaves the device's own
    bool libraryMessages = false;  // pass the libraries' own messages to standard error
};
