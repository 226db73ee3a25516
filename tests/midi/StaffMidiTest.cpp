// The staff control's MIDI operations: one device per process, opened on the mapper. What
// each failure of the device gives is in tests/faults.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "staff/test/HeadlessStaff.h"

namespace {

using Kind = TestMidiDevice::CallKind;
using Kinds = std::vector<Kind>;

class StaffMidi : public ::testing::Test, public HeadlessStaff {
  protected:
    Kinds CallKinds() const {
        Kinds kinds;
        for (const auto& call : midi.Calls()) {
            kinds.push_back(call.kind);
        }
        return kinds;
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

// A drag ends each note with the next one's start and the last one with the release; a
// note struck with no drag (from the keyboard) is ended at once. The device decides how
// long an ended note rings out.
TEST_F(StaffMidi, WithNotesThatEndEachNoteIsEndedByTheNextAndTheLastByTheRelease) {
    CStaffControl::SetNotesEnd(true);
    Staff().SetClef(true);
    Staff().InitMidi();
    Down(300, 81);  // middle line, B4 (71)
    Move(300, 74);  // C5 (72)
    Move(300, 67);  // D5 (74)
    Up(300, 67);
    Staff().PlayNote(60);
    CStaffControl::SetNotesEnd(false);
    EXPECT_EQ(midi.Messages(),
              (std::vector<DWORD>{0x504890, 0x404880, 0x504A90, 0x404A80, 0x503C90, 0x403C80}));
}

}  // namespace
