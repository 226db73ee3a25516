#include "input/midi/MidiInDecoder.h"

namespace input::midi {
namespace {

constexpr unsigned char kStatusBit = 0x80;
constexpr unsigned char kNoteOff = 0x80;
constexpr unsigned char kNoteOn = 0x90;
constexpr unsigned char kSysexStart = 0xF0;
constexpr unsigned char kSysexEnd = 0xF7;
constexpr unsigned char kFirstRealTime = 0xF8;

// The data bytes each status takes.
int DataBytesOf(unsigned char status) {
    switch (status & 0xF0) {
        case 0xC0:  // program change
        case 0xD0:  // channel pressure
            return 1;
        case 0xF0:
            break;
        default:
            return 2;
    }
    switch (status) {
        case 0xF1:  // time code quarter frame
        case 0xF3:  // song select
            return 1;
        case 0xF2:  // song position
            return 2;
        default:
            return 0;
    }
}

}  // namespace

MidiInDecoder::Result MidiInDecoder::Feed(unsigned char byte) {
    if (byte >= kFirstRealTime) {
        return {};  // a byte of its own, even between a message's bytes
    }
    if ((byte & kStatusBit) != 0) {
        m_sysex = byte == kSysexStart;
        // System common messages cancel running status; their data is passed over.
        m_status = byte;
        m_needed = m_sysex || byte == kSysexEnd ? 0 : DataBytesOf(byte);
        m_count = 0;
        m_running = false;
        if (byte >= kSysexStart && m_needed == 0) {
            m_status = 0;
        }
        return {};
    }
    if (m_sysex) {
        return {};
    }
    if (m_status == 0) {
        return {.key = std::nullopt, .stray = true};
    }
    m_data[m_count++] = byte;
    if (m_count < m_needed) {
        return {};
    }
    m_count = 0;
    m_running = true;
    const unsigned char kind = m_status & 0xF0;
    if (m_status >= kSysexStart) {
        m_status = 0;
        return {};
    }
    if (kind != kNoteOn && kind != kNoteOff) {
        return {};
    }
    return {.key = DecodedKey{.key = m_data[0],
                              .down = kind == kNoteOn && m_data[1] > 0,
                              .channel = m_status & 0x0F},
            .stray = false};
}

}  // namespace input::midi
