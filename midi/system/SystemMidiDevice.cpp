#include "midi/system/SystemMidiDevice.h"

#include <cstring>
#include <utility>

#include "midi/ShortMessage.h"
#include "midi/system/SoundLine.h"

namespace {

// Controller 123 on channel 1: B0 7B 00.
constexpr DWORD kAllNotesOff = 0xB0 | 123 << 8;
constexpr DWORD kProgramChange = 0xC0;

}  // namespace

SystemMidiDevice::SystemMidiDevice(std::unique_ptr<MidiDevice> synth,
                                   std::unique_ptr<MidiPort> port, Reporter report, int program)
    : m_synth(std::move(synth)),
      m_port(std::move(port)),
      m_report(std::move(report)),
      m_program(program) {
    if (m_port != nullptr) {
        m_port->SetSubscriptionListener([this] { Report(); });
    }
}

SystemMidiDevice::~SystemMidiDevice() {
    if (IsOpen()) {
        Close();
    }
}

MMRESULT SystemMidiDevice::GetCaps(MIDIOUTCAPSA& caps) {
    MIDIOUTCAPSA part{};
    const bool synthExists = m_synth != nullptr && m_synth->GetCaps(part) == MMSYSERR_NOERROR;
    const bool portExists = m_port != nullptr && m_port->GetCaps(part) == MMSYSERR_NOERROR;
    if (!synthExists && !portExists) {
        Report();  // no open follows: this is the last word
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
    {
        // A subscription reported meanwhile waits until both outputs have been tried.
        std::lock_guard lock(m_reportMutex);
        m_bPortOpen = m_port != nullptr && m_port->Open() == MMSYSERR_NOERROR;
        m_bSynthOpen = m_synth != nullptr && m_synth->Open() == MMSYSERR_NOERROR;
    }
    if (IsOpen() && m_program >= 0) {
        SendToBoth(kProgramChange | static_cast<DWORD>(m_program) << 8);
    }
    Report();
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
    SendToBoth(kAllNotesOff);
    bool synthOpen = false;
    bool portOpen = false;
    {
        std::lock_guard lock(m_reportMutex);
        synthOpen = std::exchange(m_bSynthOpen, false);
        portOpen = std::exchange(m_bPortOpen, false);
    }
    if (synthOpen) {
        m_synth->Close();
    }
    // Not under the lock: closing the port waits for its thread, which may be reporting.
    if (portOpen) {
        m_port->Close();
    }
    return MMSYSERR_NOERROR;
}

std::string SystemMidiDevice::Status() const {
    OutputFacts synth;
    OutputFacts port;
    if (m_synth != nullptr) {
        synth = {true, m_bSynthOpen, false, m_synth->Status(), m_synth->Remedy()};
    }
    if (m_port != nullptr) {
        port = {true, m_bPortOpen, m_bPortOpen && m_port->HasSubscribers(), m_port->Status(),
                m_port->Remedy()};
    }
    return SoundLine(synth, port);
}

void SystemMidiDevice::SendToBoth(DWORD message) {
    if (m_bSynthOpen) {
        m_synth->ShortMsg(message);
    }
    if (m_bPortOpen) {
        m_port->ShortMsg(message);
    }
}

void SystemMidiDevice::Report() {
    std::lock_guard lock(m_reportMutex);
    std::string line = Status();
    if (line != m_lastReport && m_report) {
        m_report(line);
    }
    m_lastReport = std::move(line);
}
