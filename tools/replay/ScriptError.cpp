#include "tools/replay/ScriptError.h"

#include <iostream>

#include "tools/replay/ReplaySession.h"

void ScriptError::operator()(ReplaySession& session, std::string_view reason) const {
    session.Out().flush();
    std::cerr << "error " << m_lineNumber << ": " << reason << '\n';
    m_failed = true;
}
