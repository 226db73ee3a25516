#include "tools/replay/ReplaySession.h"

#include "midi/MidiMapper.h"
#include "tools/replay/ReplayTranscript.h"

ReplaySession::ReplaySession(std::ostream& out) : m_out(out) {
    m_log.SetListener([this](const LoggedCall& call) { m_out << DescribeCall(call) << '\n'; });
    m_midi.SetMessageListener(
        [this](DWORD message) { m_out << DescribeMidiMessage(message) << '\n'; });
    SetCurrentBackend(&m_backend);
    SetMidiMapperDevice(&m_midi);
    m_staff.Attach(&m_window);
    m_staff.SetClef(true);
    m_staff.InitMidi();
}

ReplaySession::~ReplaySession() {
    m_staff.CloseMidi();
    SetMidiMapperDevice(nullptr);
    SetCurrentBackend(nullptr);
}
