// canzet-replay: reads commands from stdin, one a line, drives one staff control with them
// and prints every platform call they cause. Malformed lines are reported on stderr and
// skipped; the exit status is 1 if there was any, or if a picture could not be written.
#include <iostream>
#include <string>
#include <vector>

#include "app/Language.h"
#include "platform/Resources.h"
#include "res/EmbeddedResources.h"
#include "tools/replay/ReplayPaintCommand.h"
#include "tools/replay/ReplayParser.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/ReplayStaffCommands.h"

int main() {
    std::ios::sync_with_stdio(false);
    SetResourceBytes(EmbeddedResourceBytes());
    SetResourceLanguage(kChineseResources, kChineseResources);
    bool paintFailed = false;
    std::vector<ReplayCommandDefinition> commands = StaffCommands();
    commands.push_back(PaintCommand(paintFailed));
    ReplaySession session(std::cout);
    bool malformed = false;
    std::string line;
    for (long lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
        const ParsedLine parsed = ParseReplayLine(line, commands);
        if (!parsed.error.empty()) {
            std::cout.flush();
            std::cerr << "error " << lineNumber << ": " << parsed.error << '\n';
            malformed = true;
        } else if (parsed.definition != nullptr) {
            parsed.definition->run(session, parsed.command);
        }
    }
    std::cout.flush();
    return malformed || paintFailed ? 1 : 0;
}
