#include <gtest/gtest.h>

#include "midi/ShortMessage.h"

namespace {

using Kind = ChannelMessageKind;

TEST(ShortMessage, DecodesChannelVoiceMessagesLowByteFirst) {
    struct Case {
        DWORD packed;
        ChannelMessage expected;
    };
    const Case cases[] = {
        {0x503C90, {Kind::NoteOn, 0, 60, 80}},  // what the staff sends for middle C
        {0x003C9F, {Kind::NoteOn, 15, 60, 0}},         {0x403C80, {Kind::NoteOff, 0, 60, 64}},
        {0x7F3CA5, {Kind::KeyPressure, 5, 60, 127}},   {0x6407B1, {Kind::ControlChange, 1, 7, 100}},
        {0xFF05C3, {Kind::ProgramChange, 3, 5, 0}},  // one data byte: the next is not read
        {0x0040D2, {Kind::ChannelPressure, 2, 64, 0}}, {0x7F7FE0, {Kind::PitchBend, 0, 127, 127}},
        {0xAB503C90, {Kind::NoteOn, 0, 60, 80}},  // the top byte is not part of the message
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeShortMessage(c.packed), c.expected) << std::hex << c.packed;
    }
    EXPECT_EQ(DecodeShortMessage(0x4000E0)->PitchBendValue(), 8192);
    EXPECT_EQ(DecodeShortMessage(0x7F7FE0)->PitchBendValue(), 16383);
}

TEST(ShortMessage, RejectsWhatIsNoChannelMessage) {
    const DWORD rejected[] = {
        0x503C00,  // what the staff sends before each note-on: no status byte
        0x503C7F,  // a data byte as status
        0x50BC90,  // key with its top bit set
        0xD03C90,  // velocity with its top bit set
        0x0000F8,  // timing clock
        0x0000FF,  // system reset
    };
    for (const DWORD packed : rejected) {
        EXPECT_FALSE(DecodeShortMessage(packed).has_value()) << std::hex << packed;
    }
}

}  // namespace
