// The desktop program's command line: its own options, read before the toolkit starts, and
// the toolkit's own options, passed on untouched.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/CommandLineScan.h"
#include "app/PracticeSetup.h"
#include "midi/system/SoundSettings.h"

struct CommandLine : StartChoices {
    // argv[0] and the toolkit's own options, in their order, for QApplication.
    std::vector<std::string> toolkitArguments;

    // --practice.
    PracticeSetup practice;

    // --soundfont, --audio-driver, --midi-out, --instrument, --verbose.
    SoundSettings sound;

    // --midi-echo: keys played on a MIDI keyboard sound through the program's sound too.
    std::optional<bool> midiEcho;

    // --progress-file: the practice progress file instead of the one in the data folder.
    std::string progressFile;
    // --export-progress (Action::ExportProgress), --export-days (Action::ExportDays): the CSV
    // file to write.
    std::string exportFile;
};

// args holds argv whole, argv[0] first. Its lines are in the language resources are read in.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// What --help prints, in the language resources are read in.
std::string HelpText();
