#include "midi/MidiMapper.h"

namespace {
MidiDevice* g_mapperDevice = nullptr;
}

void SetMidiMapperDevice(MidiDevice* device) {
    g_mapperDevice = device;
}

MidiDevice* MidiMapperDevice() {
    return g_mapperDevice;
}
