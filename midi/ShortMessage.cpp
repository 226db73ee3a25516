#include "midi/ShortMessage.h"

namespace {

bool IsDataByte(int value) {
    return value < 0x80;
}

bool CarriesOneDataByte(ChannelMessageKind kind) {
    return kind == ChannelMessageKind::ProgramChange || kind == ChannelMessageKind::ChannelPressure;
}

}  // namespace

std::optional<ChannelMessage> DecodeShortMessage(DWORD message) {
    const int status = static_cast<int>(message & 0xFF);
    const int data1 = static_cast<int>(message >> 8 & 0xFF);
    const int data2 = static_cast<int>(message >> 16 & 0xFF);
    // Below 0x80 is a data byte, from 0xF0 on system messages: neither starts a channel message.
    if (status < 0x80 || status >= 0xF0 || !IsDataByte(data1)) {
        return std::nullopt;
    }
    const auto kind = static_cast<ChannelMessageKind>(status & 0xF0);
    if (CarriesOneDataByte(kind)) {
        return ChannelMessage{kind, status & 0x0F, data1, 0};
    }
    if (!IsDataByte(data2)) {
        return std::nullopt;
    }
    return ChannelMessage{kind, status & 0x0F, data1, data2};
}
