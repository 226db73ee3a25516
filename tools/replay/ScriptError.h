// How a command says that its line could not run: "error LINE: reason" on standard error,
// after what the transcript printed so far, and the run then fails.
#pragma once

#include <string_view>

class ReplaySession;

class ScriptError {
  public:
    // Both live as long as the script runs; `lineNumber` is the line being run.
    ScriptError(bool& failed, const long& lineNumber)
        : m_failed(failed), m_lineNumber(lineNumber) {}

    void operator()(ReplaySession& session, std::string_view reason) const;

  private:
    bool& m_failed;
    const long& m_lineNumber;
};
