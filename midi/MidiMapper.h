// Which MidiDevice stands behind MIDI_MAPPER. The program picks its real device at
// start-up; tests put a recording device there. With none, the mapper does not exist
// and its capabilities query fails.
#pragma once

class MidiDevice;

void SetMidiMapperDevice(MidiDevice* device);
MidiDevice* MidiMapperDevice();
