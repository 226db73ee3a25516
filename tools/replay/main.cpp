// canzet-replay: reads commands from stdin, one a line, drives one staff control with them
// and prints every platform call they cause. Malformed lines are reported on stderr and
// skipped; the exit status is 1 if there was any, or if a picture could not be written.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/Language.h"
#include "app/desktop/ProgramVersion.h"
#include "platform/Resources.h"
#include "res/EmbeddedResources.h"
#include "tools/replay/PrintableText.h"
#include "tools/replay/ReplayDaysCommands.h"
#include "tools/replay/ReplayListenCommands.h"
#include "tools/replay/ReplayMidiInCommands.h"
#include "tools/replay/ReplayNameCommands.h"
#include "tools/replay/ReplayPaintCommand.h"
#include "tools/replay/ReplayParser.h"
#include "tools/replay/ReplayPracticeCommands.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/ReplaySignCommands.h"
#include "tools/replay/ReplayStaffCommands.h"
#include "tools/replay/ScriptLineReader.h"

namespace {

void PrintHelp(const std::vector<ReplayCommandDefinition>& commands) {
    std::cout << "Usage: canzet-replay [OPTION] < SCRIPT\n"
                 "Drive one staff control on a 600 x 160 window (taller with more ledger lines)\n"
                 "without a screen, with commands read from standard input, and print every\n"
                 "call the control makes.\n"
                 "\nOptions:\n"
                 "  --help       show this help and exit\n"
                 "  --version    show the version and exit\n"
                 "\nCommands, one a line (blank lines and lines starting with '#' are skipped):\n";
    for (const ReplayCommandDefinition& command : commands) {
        std::cout << "  " << Usage(command) << '\n';
    }
    std::cout << "\nA malformed line is reported on standard error as 'error LINE: reason',\n"
                 "and the exit status is then 1.\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    long lineNumber = 0;
    SetResourceBytes(EmbeddedResourceBytes());
    SetResourceLanguage(kChineseResources, kChineseResources);
    bool paintFailed = false;
    std::vector<ReplayCommandDefinition> commands = StaffCommands();
    commands.push_back(PaintCommand(paintFailed, lineNumber));
    bool practiceFailed = false;
    ConfirmOnRelease(commands);
    const std::vector<ReplayCommandDefinition> practice =
        PracticeCommands(practiceFailed, lineNumber);
    commands.insert(commands.end(), practice.begin(), practice.end());
    AddSignCommands(commands);
    const std::vector<ReplayCommandDefinition> names = NameCommands();
    commands.insert(commands.end(), names.begin(), names.end());
    AnswerByDigits(commands);
    bool midiInFailed = false;
    const std::vector<ReplayCommandDefinition> midiIn = MidiInCommands(midiInFailed, lineNumber);
    commands.insert(commands.end(), midiIn.begin(), midiIn.end());
    bool listenFailed = false;
    const std::vector<ReplayCommandDefinition> listen = ListenCommands(listenFailed, lineNumber);
    commands.insert(commands.end(), listen.begin(), listen.end());
    const std::vector<ReplayCommandDefinition> days = DaysCommands(practiceFailed, lineNumber);
    commands.insert(commands.end(), days.begin(), days.end());

    if (argc > 1) {
        const std::string_view option = argv[1];
        if (argc == 2 && option == "--help") {
            PrintHelp(commands);
            return 0;
        }
        if (argc == 2 && option == "--version") {
            std::cout << "canzet-replay " << ProgramVersion() << '\n';
            return 0;
        }
        const std::string_view extra = argc == 2 ? option : std::string_view(argv[2]);
        std::cerr << "canzet-replay: unexpected argument " << PrintableToken(extra)
                  << "; see 'canzet-replay --help'\n";
        return 2;
    }

    ReplaySession session(std::cout);
    bool malformed = false;
    std::string line;
    for (ScriptLineRead read; (read = ReadScriptLine(std::cin, line)) != ScriptLineRead::End;) {
        ++lineNumber;
        const ParsedLine parsed = read == ScriptLineRead::TooLong
                                      ? ParsedLine{.error = "line longer than 1 MiB"}
                                      : ParseReplayLine(line, commands);
        if (!parsed.error.empty()) {
            std::cout.flush();
            std::cerr << "error " << lineNumber << ": " << parsed.error << '\n';
            malformed = true;
        } else if (parsed.definition != nullptr) {
            parsed.definition->run(session, parsed.command);
        }
    }
    std::cout.flush();
    return malformed || paintFailed || practiceFailed || midiInFailed || listenFailed ? 1 : 0;
}
