#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "midi/alsa/AlsaSequencerDevice.h"
#include "midi/fluidsynth/FluidSynthDevice.h"
#include "midi/system/MidiDevices.h"
#include "midi/system/NullMidiDevice.h"
#include "midi/system/SystemMidiDevice.h"

namespace {

TEST(MidiDevices, TableNamesEveryDeviceOnce) {
    const std::vector<std::string_view> names(MidiDeviceNames().begin(), MidiDeviceNames().end());
    EXPECT_EQ(names, (std::vector<std::string_view>{"system", "fluidsynth", "alsa", "null"}));
}

TEST(MidiDevices, EachNameMakesItsDevice) {
    EXPECT_NE(dynamic_cast<SystemMidiDevice*>(CreateMidiDevice("system").get()), nullptr);
    EXPECT_NE(dynamic_cast<FluidSynthDevice*>(CreateMidiDevice("fluidsynth").get()), nullptr);
    EXPECT_NE(dynamic_cast<AlsaSequencerDevice*>(CreateMidiDevice("alsa").get()), nullptr);
    EXPECT_NE(dynamic_cast<NullMidiDevice*>(CreateMidiDevice("null").get()), nullptr);
}

TEST(MidiDevices, UnknownNamesMakeNothing) {
    for (const char* name : {"", "System", "fluid", "system "}) {
        EXPECT_EQ(CreateMidiDevice(name), nullptr) << '"' << name << '"';
    }
}

TEST(MidiDevices, NullDeviceTakesEverythingOnlyWhileOpen) {
    NullMidiDevice device;
    MIDIOUTCAPSA caps{};
    EXPECT_EQ(device.GetCaps(caps), MMSYSERR_NOERROR);
    EXPECT_EQ(device.ShortMsg(0x503C90), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(device.Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(device.Open(), MMSYSERR_ALLOCATED);
    EXPECT_EQ(device.ShortMsg(0x503C90), MMSYSERR_NOERROR);
    EXPECT_EQ(device.Close(), MMSYSERR_NOERROR);
    EXPECT_EQ(device.Close(), MMSYSERR_INVALHANDLE);
}

}  // namespace
