// What both programs read from their command line, and the reading itself: the program's
// own options ("--name VALUE" or "--name=VALUE"), Qt's single-dash ones passed on, and the
// lines that answer --help and a mistake, in the language the user reads.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/Language.h"
#include "app/StaffSetup.h"
#include "platform/WinTypes.h"

// One option of the program's own: its name, what it takes (empty: no value) and the
// string-table text that --help gives it.
struct OptionSpec {
    std::string_view name;
    std::string_view valueName;
    UINT help;
    // The values as this machine has them, when they vary; --help then names them.
    std::string (*values)() = nullptr;
};

// The choices every build of the program takes.
struct StartChoices {
    // ExportProgress, ExportDays: the desktop's --export-progress and --export-days.
    enum class Action { Run, Help, Version, Error, ExportProgress, ExportDays };

    Action action = Action::Run;
    // For Action::Error: the one line that says what is wrong.
    std::string error;
    // --language: the language to show, whatever the locale or system asks for.
    std::optional<Language> language;
    // --clef, --notes and --ledger-lines.
    StaffSetup staff;
};

// --help, --version, --language, --clef, --notes and --ledger-lines, in the order --help
// lists them.
std::span<const OptionSpec> CommonOptions();
// The options --help lists, in its order: those of every build, then `own`, a build's own.
std::vector<OptionSpec> CommonOptionsThen(std::span<const OptionSpec> own);

// Applies one of CommonOptions(); false for a bad value.
bool TakeCommonOption(const OptionSpec& option, std::string_view value, StartChoices& choices);

// Called for each own option with its value; false for a bad value, with the option's own
// line in `error` or, left empty, the usual one.
using TakeOption = std::function<bool(const OptionSpec&, std::string_view, std::string& error)>;

// Reads args (argv whole, argv[0] first). Every single-dash argument is Qt's, with the word
// after it when that is not an option, and goes to `toolkit` after argv[0]. Returns the
// error line, or an empty string when the whole line was read.
std::string ScanOptions(const std::vector<std::string>& args, std::span<const OptionSpec> options,
                        const TakeOption& take, std::vector<std::string>& toolkit);

// The language a --language on the line asks for (the last good one), to say even a
// mistake before it in that language.
std::optional<Language> LanguageOnCommandLine(const std::vector<std::string>& args);

// What --help prints: the usage, the options' lines, then `more` (may be empty).
std::string OptionsHelp(std::span<const OptionSpec> options, const std::string& more);

// The string-table text `id` with each %s replaced by the next of `values`, in the language
// resources are read in.
std::string FillIn(UINT id, std::initializer_list<std::string_view> values = {});
