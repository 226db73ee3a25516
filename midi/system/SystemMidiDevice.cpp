#include "midi/system/SystemMidiDevice.h"

#include <cstring>
#include <utility>

#include "midi/ShortMessage.h"

SystemMidiDevice::SystemMidiDevice(std::unique_ptr<MidiDevice> synth,
                                   std::unique_ptr<MidiPort> port)
    : m_synth(std::move(synth)), m_port(std::move(port)) {}

SystemMidiDevice::~SystemMidiDevice() {
    if (IsOpen()) {
        Close();
    }
}

MMRESULT SystemMidiDevice::GetCaps(MIDIOUTCAPSA& caps) {
    MIDIOUTCAPSA part{};
    const bool synthExists = m_synth->GetCaps(part) == MMSYSERR_NOERROR;
    const bool portExists = m_port->GetCaps(part) == MMSYSERR_NOERROR;
    if (!synthExists && !portExists) {
        return MMSYSERR_NODRIVER;
    }
    caps = MIDIOUTCAPSA{};
    std::strncpy(caps.szPname, "System MIDI output", sizeof caps.szPname - 1);
    caps.wChannelMask = 0xFFFF;
    return MMSYSERR_NOERROR;
}

MMRESULT SystemMidiDevice::Open() {
    if (IsOpen()) {
        return MMSYSERR_ALLOCATED;
    }
    m_bPortOpen = m_port->Open() == MMSYSERR_NOERROR;
    m_bSynthOpen = m_synth->Open() == MMSYSERR_NOERROR;
    return IsOpen() ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}

MMRESULT SystemMidiDevice::ShortMsg(DWORD message) {
    if (!IsOpen()) {
        return MMSYSERR_INVALHANDLE;
    }
    if (!DecodeShortMessage(message)) {
        return MMSYSERR_NOERROR;  // nothing to route, so no need to ask the port
    }
    const bool toPort = m_bPortOpen && (!m_bSynthOpen || m_port->HasSubscribers());
    return toPort ? m_port->ShortMsg(message) : m_synth->ShortMsg(message);
}

MMRESULT SystemMidiDevice::Close() {
    if (!IsOpen()) {
        return MMSYSERR_INVALHANDLE;
    }
    if (m_bSynthOpen) {
        m_synth->Close();
    }
    if (m_bPortOpen) {
        m_port->Close();
    }
    m_bSynthOpen = false;
    m_bPortOpen = false;
    return MMSYSERR_NOERROR;
}
