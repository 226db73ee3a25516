#include <gtest/gtest.h>

#include <vector>

#include "midi/alsa/AlsaSequencerDevice.h"
#include "midi/fluidsynth/FluidSynthDevice.h"
#include "midi/system/MidiDevices.h"
#include "midi/system/NullMidiDevice.h"
#include "midi/system/SystemMidiDevice.h"

namespace {

TEST(MidiDevices, EachNameInTheTableMakesItsDevice) {
    const std::vector<std::string_view> names(MidiDeviceNames().begin(), MidiDeviceNames().end());
    EXPECT_EQ(names, (std::vector<std::string_view>{"system", "fluidsynth", "alsa", "null"}));
    EXPECT_NE(dynamic_cast<SystemMidiDevice*>(CreateMidiDevice("system").get()), nullptr);
    EXPECT_NE(dynamic_cast<FluidSynthDevice*>(CreateMidiDevice("fluidsynth").get()), nullptr);
    EXPECT_NE(dynamic_cast<AlsaSequencerDevice*>(CreateMidiDevice("alsa").get()), nullptr);
    EXPECT_NE(dynamic_cast<NullMidiDevice*>(CreateMidiDevice("null").get()), nullptr);
    for (const char* unknown : {"", "System", "fluid", "system "}) {
        EXPECT_EQ(CreateMidiDevice(unknown), nullptr) << '"' << unknown << '"';
    }
}

}  // namespace
