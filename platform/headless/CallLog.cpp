#include "platform/headless/CallLog.h"

#include <algorithm>

void CallLog::Add(LoggedCall call) {
    m_calls.push_back(std::move(call));
    if (m_listener) {
        m_listener(m_calls.back());
    }
}

int CallLog::CountOf(LoggedCall::Kind kind) const {
    return static_cast<int>(std::count_if(m_calls.begin(), m_calls.end(),
                                          [kind](const LoggedCall& c) { return c.kind == kind; }));
}
