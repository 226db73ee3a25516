// MIDI failures injected through the recording test device: each one shows the message the
// program gives for it, or none, and the staff goes on editing, silently where it must.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "StaffRig.h"
#include "midi/test/TestMidiDevice.h"

namespace {

const std::string kInitFailed = "初始化Midi设备失败!";
const std::string kOpenFailed = "打开Midi设备失败";

using Calls = TestMidiDevice::CallKind;

struct FaultCase {
    const char* name;
    std::function<void(TestMidiDevice&)> beforeInit;
    std::function<void(TestMidiDevice&)> midDrag;  // halfway through the drag
    std::vector<std::string> messages;
    bool initResult;
    int messagesTried;     // short messages handed to the device during the drag
    int messagesAccepted;  // of those, the ones it took
};

const FaultCase kCases[] = {
    {"CapsQueryFails",
     [](TestMidiDevice& d) { d.SetCapsResult(MMSYSERR_NODRIVER); },
     nullptr,
     {kInitFailed},
     false,
     0,
     0},
    {"OpenFails",
     [](TestMidiDevice& d) { d.SetOpenResult(MMSYSERR_ALLOCATED); },
     nullptr,
     {kOpenFailed},
     true,
     0,
     0},
    {"EveryMessageFails",
     [](TestMidiDevice& d) { d.SetShortMsgResult(MMSYSERR_ERROR); },
     nullptr,
     {},
     true,
     StaffRig::kSoundingMoves,
     0},
    {"DeviceVanishesWhileNotesPlay",
     nullptr,
     [](TestMidiDevice& d) {
         d.SetShortMsgResult(MMSYSERR_NODRIVER);
         d.SetCloseResult(MMSYSERR_NODRIVER);
     },
     {},
     true,
     StaffRig::kSoundingMoves,
     StaffRig::kSoundingMoves / 2},
    {"NoFault", nullptr, nullptr, {}, true, StaffRig::kSoundingMoves, StaffRig::kSoundingMoves},
};

class DeviceFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(DeviceFaults, GiveTheirMessageAndTheStaffKeepsWorking) {
    const FaultCase& fault = GetParam();
    TestMidiDevice device;
    StaffRig rig(&device);
    if (fault.beforeInit) {
        fault.beforeInit(device);
    }
    EXPECT_EQ(rig.Staff().InitMidi(), fault.initResult);
    EXPECT_EQ(rig.MessageBoxes(), fault.messages);
    if (!fault.initResult) {
        EXPECT_EQ(device.CountOf(Calls::Open), 0) << "no open after a failed query";
    }

    device.ClearRecord();
    rig.DragAcrossTheStaff([&] {
        if (fault.midDrag) {
            fault.midDrag(device);
        }
    });
    EXPECT_EQ(device.CountOf(Calls::ShortMsg), fault.messagesTried);
    EXPECT_EQ(static_cast<int>(device.Messages().size()), fault.messagesAccepted);
    EXPECT_EQ(rig.MessageBoxes(), fault.messages) << "a failed note is never reported";
    EXPECT_EQ(rig.FirstStep(), 2) << "the note landed where it was dragged";

    rig.DestroyStaff();
    EXPECT_EQ(rig.MessageBoxes(), fault.messages) << "a failed close is never reported";
}

INSTANTIATE_TEST_SUITE_P(Midi, DeviceFaults, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceFaultsSequence, AFailedCloseStillLeavesTheOutputClosed) {
    TestMidiDevice device;
    StaffRig rig(&device);
    ASSERT_TRUE(rig.Staff().InitMidi());
    device.SetCloseResult(MMSYSERR_INVALHANDLE);
    rig.Staff().CloseMidi();
    device.ClearRecord();
    rig.DragAcrossTheStaff();
    EXPECT_EQ(device.CountOf(Calls::ShortMsg), 0) << "nothing is sent on a closed output";
    EXPECT_TRUE(rig.MessageBoxes().empty());
    rig.DestroyStaff();
    EXPECT_EQ(device.CountOf(Calls::Close), 0) << "a closed output is not closed twice";
}

TEST(DeviceFaultsSequence, AReopenThatFailsClosesTheOldDeviceAndGoesSilent) {
    TestMidiDevice device;
    StaffRig rig(&device);
    ASSERT_TRUE(rig.Staff().InitMidi());
    device.SetOpenResult(MMSYSERR_ALLOCATED);
    device.ClearRecord();
    EXPECT_TRUE(rig.Staff().InitMidi());
    const std::vector<TestMidiDevice::Call> reopen = {
        {Calls::GetCaps, 0, MMSYSERR_NOERROR},
        {Calls::Close, 0, MMSYSERR_NOERROR},
        {Calls::Open, 0, MMSYSERR_ALLOCATED},
    };
    EXPECT_EQ(device.Calls(), reopen);
    EXPECT_EQ(rig.MessageBoxes(), std::vector<std::string>{kOpenFailed});
    device.ClearRecord();
    rig.DragAcrossTheStaff();
    EXPECT_EQ(device.CountOf(Calls::ShortMsg), 0);
    EXPECT_EQ(rig.FirstStep(), 2);
}

TEST(DeviceFaultsSequence, AMapperThatIsGoneFailsTheQuery) {
    StaffRig rig(nullptr);
    EXPECT_FALSE(rig.Staff().InitMidi());
    EXPECT_EQ(rig.MessageBoxes(), std::vector<std::string>{kInitFailed});
    rig.DragAcrossTheStaff();
    EXPECT_EQ(rig.FirstStep(), 2);
}

TEST(DeviceFaultsSequence, TheDeviceComesBackAfterAFailedOpen) {
    TestMidiDevice device;
    StaffRig rig(&device);
    device.SetOpenResult(MMSYSERR_ALLOCATED);
    rig.Staff().InitMidi();
    device.SetOpenResult(MMSYSERR_NOERROR);
    EXPECT_TRUE(rig.Staff().InitMidi());
    device.ClearRecord();
    rig.DragAcrossTheStaff();
    EXPECT_EQ(static_cast<int>(device.Messages().size()), StaffRig::kSoundingMoves);
    EXPECT_EQ(rig.MessageBoxes(), std::vector<std::string>{kOpenFailed});
}

}  // namespace
