// A packed short MIDI message taken apart. Only channel-voice messages with valid data bytes
// decode: a data byte where the status belongs, a system message or a data byte with its top
// bit set is nothing a sound device should act on.
#pragma once

#include <optional>

#include "platform/WinTypes.h"

enum class ChannelMessageKind : BYTE {
    NoteOff = 0x80,
    NoteOn = 0x90,
    KeyPressure = 0xA0,
    ControlChange = 0xB0,
    ProgramChange = 0xC0,
    ChannelPressure = 0xD0,
    PitchBend = 0xE0,
};

struct ChannelMessage {
    ChannelMessageKind kind;
    int channel;  // 0 to 15; MIDI channel 1 is 0
    int data1;
    int data2;  // 0 for the kinds that carry one data byte

    // Pitch bend carries 14 bits, low seven first; 8192 is the centre.
    int PitchBendValue() const { return data2 << 7 | data1; }

    bool operator==(const ChannelMessage&) const = default;
};

std::optional<ChannelMessage> DecodeShortMessage(DWORD message);
