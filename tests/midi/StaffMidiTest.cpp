// The staff control's MIDI operations: one device per process, opened on the mapper.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "midi/MidiMapper.h"
#include "midi/test/TestMidiDevice.h"
#include "platform/headless/CallLog.h"
#include "platform/headless/HeadlessBackend.h"
#include "staff/StaffControl.h"

namespace {

using Kind = TestMidiDevice::CallKind;
using Kinds = std::vector<Kind>;

constexpr const char* kInitFailed = "初始化Midi设备失败!";
constexpr const char* kOpenFailed = "打开Midi设备失败";

class StaffMidi : public ::testing::Test {
  protected:
    StaffMidi() {
        SetCurrentBackend(&backend);
        SetMidiMapperDevice(&device);
    }
    ~StaffMidi() override {
        staff.reset();
        SetMidiMapperDevice(nullptr);
        SetCurrentBackend(nullptr);
    }

    Kinds CallKinds() const {
        Kinds kinds;
        for (const auto& call : device.Calls()) {
            kinds.push_back(call.kind);
        }
        return kinds;
    }
    std::vector<std::string> MessageBoxes() const {
        std::vector<std::string> texts;
        for (const LoggedCall& call : log.Calls()) {
            if (call.kind == LoggedCall::Kind::MessageBox) {
                EXPECT_EQ(call.value, static_cast<int>(MB_OK));
                texts.push_back(call.text);
            }
        }
        return texts;
    }

    CallLog log;
    HeadlessBackend backend{log};
    TestMidiDevice device;
    std::unique_ptr<CStaffControl> staff = std::make_unique<CStaffControl>();
};

TEST_F(StaffMidi, ClosedDeviceMakesNoCalls) {
    staff->PlayNote(60);
    staff->CloseMidi();
    staff.reset();
    EXPECT_TRUE(device.Calls().empty());
}

TEST_F(StaffMidi, InitOpensTheMapperAndPlayNoteSendsOnlyTheNoteOn) {
    EXPECT_TRUE(staff->InitMidi());
    for (int key : {60, 40, 81}) {
        staff->PlayNote(key);
    }
    EXPECT_EQ(CallKinds(),
              (Kinds{Kind::GetCaps, Kind::Open, Kind::ShortMsg, Kind::ShortMsg, Kind::ShortMsg}));
    EXPECT_EQ(device.Messages(), (std::vector<DWORD>{0x503C90, 0x502890, 0x505190}));
    EXPECT_EQ(device.Bytes(),
              (std::vector<std::uint8_t>{0x90, 60, 80, 0x90, 40, 80, 0x90, 81, 80}));
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(StaffMidi, KeysOutsideTheMidiRangeAreNotSent) {
    staff->InitMidi();
    device.ClearRecord();
    for (int key : {-1, 128, 1000}) {
        staff->PlayNote(key);
    }
    staff->PlayNote(0);
    staff->PlayNote(127);
    EXPECT_EQ(device.Messages(), (std::vector<DWORD>{0x500090, 0x507F90}));
}

TEST_F(StaffMidi, InitWhileOpenClosesTheOldDeviceFirst) {
    staff->InitMidi();
    device.ClearRecord();
    EXPECT_TRUE(staff->InitMidi());
    EXPECT_EQ(CallKinds(), (Kinds{Kind::GetCaps, Kind::Close, Kind::Open}));
    EXPECT_TRUE(device.IsOpen());
}

TEST_F(StaffMidi, CloseWhileOpenClosesOnceAndSilencesPlayNote) {
    staff->InitMidi();
    device.ClearRecord();
    staff->CloseMidi();
    staff->CloseMidi();
    staff->PlayNote(60);
    EXPECT_EQ(CallKinds(), (Kinds{Kind::Close}));
}

struct FailureCase {
    const char* name;
    MMRESULT capsResult;
    MMRESULT openResult;
    bool initResult;
    Kinds calls;
    std::vector<std::string> messageBoxes;
};

class StaffMidiFailure : public StaffMidi, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(StaffMidiFailure, ReportedOnceAndPlayNoteStaysSilent) {
    const FailureCase& c = GetParam();
    device.SetCapsResult(c.capsResult);
    device.SetOpenResult(c.openResult);
    EXPECT_EQ(staff->InitMidi(), c.initResult);
    staff->PlayNote(60);
    EXPECT_EQ(CallKinds(), c.calls);
    EXPECT_EQ(MessageBoxes(), c.messageBoxes);
}

INSTANTIATE_TEST_SUITE_P(Staff, StaffMidiFailure,
                         ::testing::Values(FailureCase{"NoMapper",
                                                       MMSYSERR_NODRIVER,
                                                       MMSYSERR_NOERROR,
                                                       false,
                                                       Kinds{Kind::GetCaps},
                                                       {kInitFailed}},
                                           FailureCase{"OpenFails",
                                                       MMSYSERR_NOERROR,
                                                       MMSYSERR_ALLOCATED,
                                                       true,
                                                       Kinds{Kind::GetCaps, Kind::Open},
                                                       {kOpenFailed}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StaffMidi, NoDeviceAtAllReportsOnlyTheInitFailure) {
    SetMidiMapperDevice(nullptr);
    EXPECT_FALSE(staff->InitMidi());
    EXPECT_EQ(MessageBoxes(), (std::vector<std::string>{kInitFailed}));
}

TEST_F(StaffMidi, FailedQueryLeavesAnOpenDeviceOpen) {
    staff->InitMidi();
    device.ClearRecord();
    device.SetCapsResult(MMSYSERR_ERROR);
    EXPECT_FALSE(staff->InitMidi());
    staff->PlayNote(64);
    EXPECT_EQ(CallKinds(), (Kinds{Kind::GetCaps, Kind::ShortMsg}));
}

TEST_F(StaffMidi, FailedReopenLeavesNoDevice) {
    staff->InitMidi();
    device.ClearRecord();
    device.SetOpenResult(MMSYSERR_ERROR);
    EXPECT_TRUE(staff->InitMidi());
    staff->PlayNote(64);
    staff->CloseMidi();
    EXPECT_EQ(CallKinds(), (Kinds{Kind::GetCaps, Kind::Close, Kind::Open}));
    EXPECT_EQ(MessageBoxes(), (std::vector<std::string>{kOpenFailed}));
}

TEST_F(StaffMidi, FailingMessagesAndClosesAreIgnored) {
    staff->InitMidi();
    device.SetShortMsgResult(MMSYSERR_ERROR);
    device.SetCloseResult(MMSYSERR_ERROR);
    staff->PlayNote(60);
    staff->CloseMidi();
    staff->PlayNote(62);
    EXPECT_EQ(device.CountOf(Kind::ShortMsg), 1);
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_TRUE(staff->InitMidi());
    EXPECT_TRUE(device.IsOpen());
}

TEST_F(StaffMidi, TwoControlsShareOneDevice) {
    auto other = std::make_unique<CStaffControl>();
    staff->InitMidi();
    other->PlayNote(67);
    EXPECT_EQ(device.Messages(), (std::vector<DWORD>{0x504390}));
    other->InitMidi();
    EXPECT_EQ(device.CountOf(Kind::Open), 2);
    EXPECT_EQ(device.CountOf(Kind::Close), 1);
    other.reset();
    staff->PlayNote(60);
    EXPECT_EQ(device.Messages().size(), 1u);
    EXPECT_EQ(device.CountOf(Kind::Close), 2);
    staff->InitMidi();
    staff->PlayNote(60);
    EXPECT_EQ(device.Messages().back(), 0x503C90u);
}

}  // namespace
