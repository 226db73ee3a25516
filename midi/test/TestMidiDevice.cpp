#include "midi/test/TestMidiDevice.h"

#include <algorithm>
#include <cstring>

namespace {

// A status byte says how many data bytes follow it; anything below 0x80 is no status at
// all, and what follows it is passed as it came.
int MessageLength(DWORD message) {
    const unsigned status = message & 0xFF;
    if (status >= 0xC0 && status <= 0xDF) {
        return 2;
    }
    if (status >= 0xF0) {
        return status == 0xF1 || status == 0xF3 ? 2 : (status == 0xF2 ? 3 : 1);
    }
    return 3;
}

}  // namespace

MMRESULT TestMidiDevice::GetCaps(MIDIOUTCAPSA& caps) {
    if (m_capsResult == MMSYSERR_NOERROR) {
        caps = MIDIOUTCAPSA{};
        std::strcpy(caps.szPname, "Test MIDI device");
        caps.wChannelMask = 0xFFFF;
    }
    return Record(CallKind::GetCaps, 0, m_capsResult);
}

MMRESULT TestMidiDevice::Open() {
    if (m_openResult == MMSYSERR_NOERROR) {
        m_open = true;
    }
    return Record(CallKind::Open, 0, m_openResult);
}

MMRESULT TestMidiDevice::ShortMsg(DWORD message) {
    const MMRESULT result = m_open ? m_shortMsgResult : MMSYSERR_INVALHANDLE;
    Record(CallKind::ShortMsg, message, result);
    if (result == MMSYSERR_NOERROR) {
        for (int i = 0; i < MessageLength(message); ++i) {
            m_bytes.push_back(static_cast<std::uint8_t>(message >> (8 * i) & 0xFF));
        }
        if (m_listener) {
            m_listener(message);
        }
    }
    return result;
}

MMRESULT TestMidiDevice::Close() {
    const MMRESULT result = m_open ? m_closeResult : MMSYSERR_INVALHANDLE;
    m_open = false;
    return Record(CallKind::Close, 0, result);
}

std::vector<DWORD> TestMidiDevice::Messages() const {
    std::vector<DWORD> messages;
    for (const Call& call : m_calls) {
        if (call.kind == CallKind::ShortMsg && call.result == MMSYSERR_NOERROR) {
            messages.push_back(call.message);
        }
    }
    return messages;
}

int TestMidiDevice::CountOf(CallKind kind) const {
    return static_cast<int>(std::count_if(m_calls.begin(), m_calls.end(),
                                          [kind](const Call& call) { return call.kind == kind; }));
}

void TestMidiDevice::ClearRecord() {
    m_calls.clear();
    m_bytes.clear();
}

MMRESULT TestMidiDevice::Record(CallKind kind, DWORD message, MMRESULT result) {
    m_calls.push_back({kind, message, result});
    return result;
}
