// The desktop program's command line: its own options, read before the toolkit starts, and
// the toolkit's own options, passed on untouched.
#pragma once

#include <string>
#include <vector>

#include "app/StaffSetup.h"

struct CommandLine {
    enum class Action { Run, Help, Error };

    Action action = Action::Run;
    // For Action::Error: the one line that says what is wrong.
    std::string error;

    // --clef and --notes.
    StaffSetup staff;

    // argv[0] and the toolkit's own options, in their order, for QApplication.
    std::vector<std::string> toolkitArguments;
};

// args holds argv whole, argv[0] first.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// What --help prints.
std::string HelpText();
