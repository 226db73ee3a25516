// The four MIDI-output calls over the device behind the mapper.
#include <gtest/gtest.h>

#include "midi/MidiMapper.h"
#include "midi/MidiOut.h"
#include "midi/test/TestMidiDevice.h"

namespace {

using Kind = TestMidiDevice::CallKind;

class MidiOut : public ::testing::Test {
  protected:
    MidiOut() { SetMidiMapperDevice(&device); }
    ~MidiOut() override {
        if (handle != nullptr) {
            midiOutClose(handle);
        }
        SetMidiMapperDevice(nullptr);
    }

    TestMidiDevice device;
    HMIDIOUT handle = nullptr;
    MIDIOUTCAPSA caps{};
};

TEST_F(MidiOut, CapabilitiesOnlyOfTheMapperAndOnlyWithADevice) {
    EXPECT_EQ(midiOutGetDevCapsA(MIDI_MAPPER, &caps, sizeof(caps)), MMSYSERR_NOERROR);
    EXPECT_NE(midiOutGetDevCapsA(0, &caps, sizeof(caps)), MMSYSERR_NOERROR);
    EXPECT_NE(midiOutGetDevCapsA(MIDI_MAPPER, nullptr, sizeof(caps)), MMSYSERR_NOERROR);
    EXPECT_NE(midiOutGetDevCapsA(MIDI_MAPPER, &caps, sizeof(caps) - 1), MMSYSERR_NOERROR);
    device.SetCapsResult(MMSYSERR_NODRIVER);
    EXPECT_EQ(midiOutGetDevCapsA(MIDI_MAPPER, &caps, sizeof(caps)), MMSYSERR_NODRIVER);
    SetMidiMapperDevice(nullptr);
    EXPECT_NE(midiOutGetDevCapsA(MIDI_MAPPER, &caps, sizeof(caps)), MMSYSERR_NOERROR);
    EXPECT_EQ(device.CountOf(Kind::GetCaps), 2);
}

TEST_F(MidiOut, FailedOpenLeavesTheHandleNull) {
    const auto garbage = reinterpret_cast<HMIDIOUT>(0x1234);
    handle = garbage;
    device.SetOpenResult(MMSYSERR_ALLOCATED);
    EXPECT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, CALLBACK_NULL), MMSYSERR_ALLOCATED);
    EXPECT_EQ(handle, nullptr);
    handle = garbage;
    EXPECT_NE(midiOutOpen(&handle, 3, 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
    EXPECT_EQ(handle, nullptr);
    SetMidiMapperDevice(nullptr);
    handle = garbage;
    EXPECT_NE(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
    EXPECT_EQ(handle, nullptr);
}

TEST_F(MidiOut, MessagesReachTheOpenDeviceByteForByte) {
    ASSERT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(midiOutShortMsg(handle, 0x503C90), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutShortMsg(handle, 0x0005C1), MMSYSERR_NOERROR);
    EXPECT_EQ(device.Bytes(), (std::vector<std::uint8_t>{0x90, 0x3C, 0x50, 0xC1, 0x05}));
    EXPECT_EQ(midiOutClose(handle), MMSYSERR_NOERROR);
    // A closed handle reaches nothing.
    EXPECT_EQ(midiOutShortMsg(handle, 0x503C90), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiOutClose(handle), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiOutShortMsg(nullptr, 0x503C90), MMSYSERR_INVALHANDLE);
    handle = nullptr;
    EXPECT_EQ(device.Messages(), (std::vector<DWORD>{0x503C90, 0x0005C1}));
    EXPECT_EQ(device.CountOf(Kind::Close), 1);
}

TEST_F(MidiOut, OneOpenAtATimeAndAFailedCloseStillFreesTheMapper) {
    ASSERT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
    HMIDIOUT second = nullptr;
    EXPECT_EQ(midiOutOpen(&second, MIDI_MAPPER, 0, 0, CALLBACK_NULL), MMSYSERR_ALLOCATED);
    EXPECT_EQ(second, nullptr);
    device.SetCloseResult(MMSYSERR_ERROR);
    EXPECT_EQ(midiOutClose(handle), MMSYSERR_ERROR);
    EXPECT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
}

TEST_F(MidiOut, CloseReachesTheDeviceThatWasOpened) {
    ASSERT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
    TestMidiDevice other;
    SetMidiMapperDevice(&other);
    EXPECT_EQ(midiOutShortMsg(handle, 0x504090), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutClose(handle), MMSYSERR_NOERROR);
    handle = nullptr;
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(device.Messages().size(), 1u);
    EXPECT_TRUE(other.Calls().empty());
}

TEST_F(MidiOut, OnlyCallbackFreeOpensAreAccepted) {
    EXPECT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0x1000, 0, CALLBACK_NULL), MMSYSERR_INVALPARAM);
    EXPECT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, 0x30000), MMSYSERR_INVALPARAM);
    EXPECT_EQ(midiOutOpen(nullptr, MIDI_MAPPER, 0, 0, CALLBACK_NULL), MMSYSERR_INVALPARAM);
    EXPECT_TRUE(device.Calls().empty());
}

}  // namespace
