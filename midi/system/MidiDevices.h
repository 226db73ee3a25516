// The MIDI devices the program can put behind MIDI_MAPPER, by name: "system" (the built-in
// synthesizer and the "Canzet" sequencer port), "fluidsynth", "alsa" and "null".
//
// At start-up the program selects the system device and keeps it alive while it runs:
//     std::unique_ptr<MidiDevice> midi = CreateMidiDevice("system");
//     SetMidiMapperDevice(midi.get());
//     ... run the dialog ...
//     SetMidiMapperDevice(nullptr);
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "midi/MidiDevice.h"
#include "midi/system/SoundSettings.h"

std::span<const std::string_view> MidiDeviceNames();

// Null for a name not in the table.
std::unique_ptr<MidiDevice> CreateMidiDevice(std::string_view name);

// Sets the environment that the sound libraries read as the settings ask. It is read
// behind the program's back on other threads, so this comes first in main, before any
// thread starts.
void PrepareSoundEnvironment(const SoundSettings& settings);

// The system device as the settings ask for it. From here on the sound libraries' messages
// are caught, and `report` is given one line (without the program's name) at start-up and
// at each later change of where the notes go; it may be called from another thread.
std::unique_ptr<MidiDevice> CreateSystemMidiDevice(
    const SoundSettings& settings, std::function<void(const std::string& line)> report);
