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
        m_port->SetSubscriptionListener([this] {
            {
                std::lock_guard lock(m_sendMutex);
                CurrentOutput();
            }
            Report();
        });
    }
    if (m_synth != nullptr) {
        m_synth->SetStatusListener([this] { Report(); });
    }
    if (m_program >= 0) {
        m_heldNoteOffs = std::make_unique<HeldNoteOffs>([this](DWORD message) { Route(message); });
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
    {
        std::lock_guard lock(m_sendMutex);
        m_bToPort = m_bPortOpen && (!m_bSynthOpen || m_port->HasSubscribers());
    }
    Report();
    return IsOpen() ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}

MMRESULT SystemMidiDevice::ShortMsg(DWORD message) {
    if (!IsOpen()) {
        return MMSYSERR_INVALHANDLE;
    }
    const auto decoded = DecodeShortMessage(message);
    if (!decoded) {
        return MMSYSERR_NOERROR;  // nothing to route, so no need to ask the port
    }
    if (m_heldNoteOffs != nullptr) {
        if (decoded->kind == ChannelMessageKind::NoteOff) {
            m_heldNoteOffs->Hold(message);
            return MMSYSERR_NOERROR;
        }
        if (decoded->kind == ChannelMessageKind::NoteOn) {
            m_heldNoteOffs->SendNow();
        }
    }
    std::lock_guard lock(m_sendMutex);
    return CurrentOutput()->ShortMsg(message);
}

void SystemMidiDevice::Route(DWORD message) {
    std::lock_guard lock(m_sendMutex);
    if (IsOpen()) {
        CurrentOutput()->ShortMsg(message);
    }
}

MidiDevice* SystemMidiDevice::CurrentOutput() {
    const bool toPort = m_bPortOpen && (!m_bSynthOpen || m_port->HasSubscribers());
    if (toPort != m_bToPort && m_bSynthOpen && m_bPortOpen) {
        MidiDevice* left = m_bToPort ? static_cast<MidiDevice*>(m_port.get()) : m_synth.get();
        left->ShortMsg(kAllNotesOff);
    }
    m_bToPort = toPort;
    return toPort ? static_cast<MidiDevice*>(m_port.get()) : m_synth.get();
}

MMRESULT SystemMidiDevice::Close() {
    if (!IsOpen()) {
        return MMSYSERR_INVALHANDLE;
    }
    if (m_heldNoteOffs != nullptr) {
        m_heldNoteOffs->Drop();
    }
    SendToBoth(kAllNotesOff);
    bool synthOpen = false;
    bool portOpen = false;
    {
        std::lock_guard lock(m_reportMutex);
        std::lock_guard sendLock(m_sendMutex);
        synthOpen = m_bSynthOpen.exchange(false);
        portOpen = m_bPortOpen.exchange(false);
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
        synth = {true, m_bSynthOpen && m_synth->Heard(), false, m_synth->Status(),
                 m_synth->Remedy()};
    }
    if (m_port != nullptr) {
        port = {true, m_bPortOpen, m_bPortOpen && m_port->HasSubscribers(), m_port->Status(),
                m_port->Remedy()};
    }
    return SoundLine(synth, port);
}

void SystemMidiDevice::SendToBoth(DWORD message) {
    std::lock_guard lock(m_sendMutex);
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
