// A script run through canzet-replay's commands inside a test, line by line as the tool
// runs it; a line that does not parse fails the test with its reason.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "tools/replay/ReplayCommand.h"
#include "tools/replay/ReplaySession.h"

// `lineNumber` counts the lines run, for the commands that report by line.
void RunReplayLines(const std::string& script, std::span<const ReplayCommandDefinition> commands,
                    ReplaySession& session, long& lineNumber);

// A script and what running it must give, named for the parameterised test that runs it.
struct ScriptCase {
    const char* name;
    std::string script;
    std::string expected;
};

class ScriptTest : public ::testing::TestWithParam<ScriptCase> {};

std::string ScriptCaseName(const ::testing::TestParamInfo<ScriptCase>& info);
