// The desktop program's command line: its own options, read before the toolkit starts, and
// the toolkit's own options, passed on untouched.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/Language.h"
#include "app/PracticeSetup.h"
#include "app/StaffSetup.h"
#include "midi/system/SoundSettings.h"

struct CommandLine {
    enum class Action { Run, Help, Version, Error, ExportProgress };

    Action action = Action::Run;
    // For Action::Error: the one line that says what is wrong.
    std::string error;

    // --language: the language to show, whatever the locale asks for.
    std::optional<Language> language;
    // --clef and --notes.
    StaffSetup staff;
    // --practice.
    PracticeSetup practice;

    // argv[0] and the toolkit's own options, in their order, for QApplication.
    std::vector<std::string> toolkitArguments;

    // --soundfont, --audio-driver, --midi-out, --instrument, --verbose.
    SoundSettings sound;

    // --progress-file: the practice progress file instead of the one in the data folder.
    std::string progressFile;
    // --export-progress (Action::ExportProgress): the CSV file to write.
    std::string exportFile;
};

// args holds argv whole, argv[0] first.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// What --help prints.
std::string HelpText();
