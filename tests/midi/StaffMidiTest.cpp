// The staff control's MIDI operations: one device per process, opened on the mapper.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "staff/test/HeadlessStaff.h"

namespace {

using Kind = TestMidiDevice::CallKind;
using Kinds = std::vector<Kind>;

constexpr const char* kInitFailed = "初始化Midi设备失败!";
constexpr const char* kOpenFailed = "打开Midi设备失败";

class StaffMidi : public ::testing::Test, public HeadlessStaff {
  protected:
    Kinds CallKinds() const {
        Kinds kinds;
        for (const auto& call : midi.Calls()) {
            kinds.push_back(call.kind);
        }
        return kinds;
    }
    std::vector<std::string> MessageBoxes() const {
        for (const LoggedCall& call : log.Calls()) {
            if (call.kind == LoggedCall::Kind::MessageBox) {
                EXPECT_EQ(call.value, static_cast<int>(MB_OK));
            }
        }
        return HeadlessStaff::MessageBoxes();
    }
};

TEST_F(StaffMidi, ClosedDeviceMakesNoCalls) {
    Staff().PlayNote(60);
    Staff().CloseMidi();
    DestroyStaff();
    EXPECT_TRUE(midi.Calls().empty());
}

TEST_F(StaffMidi, InitOpensTheMapperAndPlayNoteSendsOnlyTheNoteOn) {
    EXPECT_TRUE(Staff().InitMidi());
    for (int key : {60, 40, 81}) {
        Staff().PlayNote(key);
    }
    EXPECT_EQ(CallKinds(),
              (Kinds{Kind::GetCaps, Kind::Open, Kind::ShortMsg, Kind::ShortMsg, Kind::ShortMsg}));
    EXPECT_EQ(midi.Messages(), (std::vector<DWORD>{0x503C90, 0x502890, 0x505190}));
    EXPECT_EQ(midi.Bytes(), (std::vector<std::uint8_t>{0x90, 60, 80, 0x90, 40, 80, 0x90, 81, 80}));
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(StaffMidi, KeysOutsideTheMidiRangeAreNotSent) {
    Staff().InitMidi();
    midi.ClearRecord();
    for (int key : {-1, 128, 1000}) {
        Staff().PlayNote(key);
    }
    Staff().PlayNote(0);
    Staff().PlayNote(127);
    EXPECT_EQ(midi.Messages(), (std::vector<DWORD>{0x500090, 0x507F90}));
}

TEST_F(StaffMidi, InitWhileOpenClosesTheOldDeviceFirst) {
    Staff().InitMidi();
    midi.ClearRecord();
    EXPECT_TRUE(Staff().InitMidi());
    EXPECT_EQ(CallKinds(), (Kinds{Kind::GetCaps, Kind::Close, Kind::Open}));
    EXPECT_TRUE(midi.IsOpen());
}

TEST_F(StaffMidi, CloseWhileOpenClosesOnceAndSilencesPlayNote) {
    Staff().InitMidi();
    midi.ClearRecord();
    Staff().CloseMidi();
    Staff().CloseMidi();
    Staff().PlayNote(60);
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
    midi.SetCapsResult(c.capsResult);
    midi.SetOpenResult(c.openResult);
    EXPECT_EQ(Staff().InitMidi(), c.initResult);
    Staff().PlayNote(60);
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
    EXPECT_FALSE(Staff().InitMidi());
    EXPECT_EQ(MessageBoxes(), (std::vector<std::string>{kInitFailed}));
}

TEST_F(StaffMidi, FailedQueryLeavesAnOpenDeviceOpen) {
    Staff().InitMidi();
    midi.ClearRecord();
    midi.SetCapsResult(MMSYSERR_ERROR);
    EXPECT_FALSE(Staff().InitMidi());
    Staff().PlayNote(64);
    EXPECT_EQ(CallKinds(), (Kinds{Kind::GetCaps, Kind::ShortMsg}));
}

TEST_F(StaffMidi, FailedReopenLeavesNoDevice) {
    Staff().InitMidi();
    midi.ClearRecord();
    midi.SetOpenResult(MMSYSERR_ERROR);
    EXPECT_TRUE(Staff().InitMidi());
    Staff().PlayNote(64);
    Staff().CloseMidi();
    EXPECT_EQ(CallKinds(), (Kinds{Kind::GetCaps, Kind::Close, Kind::Open}));
    EXPECT_EQ(MessageBoxes(), (std::vector<std::string>{kOpenFailed}));
}

TEST_F(StaffMidi, FailingMessagesAndClosesAreIgnored) {
    Staff().InitMidi();
    midi.SetShortMsgResult(MMSYSERR_ERROR);
    midi.SetCloseResult(MMSYSERR_ERROR);
    Staff().PlayNote(60);
    Staff().CloseMidi();
    Staff().PlayNote(62);
    EXPECT_EQ(midi.CountOf(Kind::ShortMsg), 1);
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_TRUE(Staff().InitMidi());
    EXPECT_TRUE(midi.IsOpen());
}

TEST_F(StaffMidi, TwoControlsShareOneDevice) {
    auto other = std::make_unique<CStaffControl>();
    Staff().InitMidi();
    other->PlayNote(67);
    EXPECT_EQ(midi.Messages(), (std::vector<DWORD>{0x504390}));
    other->InitMidi();
    EXPECT_EQ(midi.CountOf(Kind::Open), 2);
    EXPECT_EQ(midi.CountOf(Kind::Close), 1);
    other.reset();
    Staff().PlayNote(60);
    EXPECT_EQ(midi.Messages().size(), 1u);
    EXPECT_EQ(midi.CountOf(Kind::Close), 2);
    Staff().InitMidi();
    Staff().PlayNote(60);
    EXPECT_EQ(midi.Messages().back(), 0x503C90u);
}

}  // namespace
