#include "tools/replay/ReplaySession.h"

ReplaySession::ReplaySession(std::ostream& out) : m_out(out) {
    m_staff.Transcribe([this](const std::string& line) { m_out << line << '\n' << std::flush; });
    Staff().SetClef(true);
    Staff().InitMidi();
}
