#include "tests/support/ReplayLines.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tools/replay/ReplayParser.h"

void RunReplayLines(const std::string& script, std::span<const ReplayCommandDefinition> commands,
                    ReplaySession& session, long& lineNumber) {
    std::istringstream in(script);
    for (std::string line; std::getline(in, line); ++lineNumber) {
        const ParsedLine parsed = ParseReplayLine(line, commands);
        EXPECT_TRUE(parsed.error.empty()) << line << ": " << parsed.error;
        if (parsed.definition != nullptr) {
            parsed.definition->run(session, parsed.command);
        }
    }
}

std::string ScriptCaseName(const ::testing::TestParamInfo<ScriptCase>& info) {
    return info.param.name;
}
