// MIDI failures injected through the recording test device: each one shows the message the
// program gives for it, or none, and the staff goes on editing, silently where it must.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FailureMessages.h"
#include "StaffRig.h"
#include "midi/test/TestMidiDevice.h"

namespace {

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
    for (const LoggedCall& call : rig.log.Calls()) {
        if (call.kind == LoggedCall::Kind::MessageBox) {
            EXPECT_EQ(call.value, static_cast<int>(MB_OK)) << call.text;
        }
    }
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

// A second InitMidi while the device is open, failing at one call or the other.
struct ReinitCase {
    const char* name;
    std::function<void(TestMidiDevice&)> fault;
    bool initResult;
    std::vector<TestMidiDevice::Call> calls;
    std::string message;
    int sounding;  // notes the drag afterwards sounds
};

const ReinitCase kReinits[] = {
    {"AFailedReopenClosesTheOldDeviceAndGoesSilent",
     [](TestMidiDevice& d) { d.SetOpenResult(MMSYSERR_ALLOCATED); },
     true,
     {{Calls::GetCaps, 0, MMSYSERR_NOERROR},
      {Calls::Close, 0, MMSYSERR_NOERROR},
      {Calls::Open, 0, MMSYSERR_ALLOCATED}},
     kOpenFailed,
     0},
    {"AFailedQueryLeavesTheOpenDeviceOpen",
     [](TestMidiDevice& d) { d.SetCapsResult(MMSYSERR_ERROR); },
     false,
     {{Calls::GetCaps, 0, MMSYSERR_ERROR}},
     kInitFailed,
     StaffRig::kSoundingMoves},
};

class DeviceFaultsOnReinit : public ::testing::TestWithParam<ReinitCase> {};

TEST_P(DeviceFaultsOnReinit, ReportTheirMessageAndLeaveTheDeviceAsItSays) {
    const ReinitCase& c = GetParam();
    TestMidiDevice device;
    StaffRig rig(&device);
    ASSERT_TRUE(rig.Staff().InitMidi());
    c.fault(device);
    device.ClearRecord();
    EXPECT_EQ(rig.Staff().InitMidi(), c.initResult);
    EXPECT_EQ(device.Calls(), c.calls);
    EXPECT_EQ(rig.MessageBoxes(), std::vector<std::string>{c.message});
    device.ClearRecord();
    rig.DragAcrossTheStaff();
    EXPECT_EQ(static_cast<int>(device.Messages().size()), c.sounding);
    EXPECT_EQ(rig.FirstStep(), 2);
}

INSTANTIATE_TEST_SUITE_P(Midi, DeviceFaultsOnReinit, ::testing::ValuesIn(kReinits),
                         [](const auto& info) { return std::string(info.param.name); });

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
