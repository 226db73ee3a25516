// The MIDI devices the program can put behind MIDI_MAPPER, by name: "system" (the built-in
// synthesizer and the "Canzet" sequencer port), "fluidsynth", "alsa" and "null".
//
// At start-up the program selects the system device and keeps it alive while it runs:
//     std::unique_ptr<MidiDevice> midi = CreateMidiDevice("system");
//     SetMidiMapperDevice(midi.get());
//     ... run the dialog ...
//     SetMidiMapperDevice(nullptr);
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "midi/MidiDevice.h"

std::span<const std::string_view> MidiDeviceNames();

// Null for a name not in the table.
std::unique_ptr<MidiDevice> CreateMidiDevice(std::string_view name);
