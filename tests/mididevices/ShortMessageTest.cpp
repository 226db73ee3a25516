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
        {0x502890, {Kind::NoteOn, 0, 40, 80}},
        {0x505190, {Kind::NoteOn, 0, 81, 80}},
        {0x003C9F, {Kind::NoteOn, 15, 60, 0}},
        {0x403C80, {Kind::NoteOff, 0, 60, 64}},
        {0x7F3CA5, {Kind::KeyPressure, 5, 60, 127}},
        {0x6407B1, {Kind::ControlChange, 1, 7, 100}},
        {0x0005C3, {Kind::ProgramChange, 3, 5, 0}},
        {0xFF05C3, {Kind::ProgramChange, 3, 5, 0}},  // no second byte: whatever stands there
        {0x0040D2, {Kind::ChannelPressure, 2, 64, 0}},
        {0x4000E0, {Kind::PitchBend, 0, 0, 64}},
        {0xAB503C90, {Kind::NoteOn, 0, 60, 80}},  // the top byte is not part of the message
    };
    for (const Case& c : cases) {
        const auto decoded = DecodeShortMessage(c.packed);
        ASSERT_TRUE(decoded.has_value()) << std::hex << c.packed;
        EXPECT_EQ(*decoded, c.expected) << std::hex << c.packed;
    }
}

TEST(ShortMessage, RejectsWhatIsNoChannelMessage) {
    const DWORD rejected[] = {
        0x503C00,  // the message the staff sends before each note-on: no status byte
        0x503C7F,  // running status is not a thing a packed message can use
        0x50BC90,  // key with its top bit set
        0xD03C90,  // velocity with its top bit set
        0x80FFE0,  // pitch bend with a bad data byte
        0x0000F8,  // timing clock
        0x0000FF,  // system reset
        0x0000F0,  // a system-exclusive start can't be short
        0x00000000,
    };
    for (const DWORD packed : rejected) {
        EXPECT_FALSE(DecodeShortMessage(packed).has_value()) << std::hex << packed;
    }
}

TEST(ShortMessage, PitchBendValueSpansFourteenBits) {
    struct Case {
        DWORD packed;
        int value;
    };
    const Case cases[] = {
        {0x0000E0, 0}, {0x4000E0, 8192}, {0x7F7FE0, 16383}, {0x0001E0, 1}, {0x0100E0, 128}};
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeShortMessage(c.packed)->PitchBendValue(), c.value) << std::hex << c.packed;
    }
}

}  // namespace
