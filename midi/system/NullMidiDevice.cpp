#include "midi/system/NullMidiDevice.h"

#include <cstring>

MMRESULT NullMidiDevice::GetCaps(MIDIOUTCAPSA& caps) {
    caps = MIDIOUTCAPSA{};
    std::strncpy(caps.szPname, "No sound", sizeof caps.szPname - 1);
    caps.wChannelMask = 0xFFFF;
    return MMSYSERR_NOERROR;
}

MMRESULT NullMidiDevice::Open() {
    if (m_bOpen) {
        return MMSYSERR_ALLOCATED;
    }
    m_bOpen = true;
    return MMSYSERR_NOERROR;
}

MMRESULT NullMidiDevice::ShortMsg(DWORD) {
    return m_bOpen ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
}

MMRESULT NullMidiDevice::Close() {
    if (!m_bOpen) {
        return MMSYSERR_INVALHANDLE;
    }
    m_bOpen = false;
    return MMSYSERR_NOERROR;
}
