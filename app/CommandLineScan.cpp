#include "app/CommandLineScan.h"

#include <algorithm>
#include <array>

#include "platform/CString.h"
#include "res/resource.h"

namespace {

constexpr auto kCommonOptions = std::to_array<OptionSpec>({
    {"--help", "", IDS_HELP_HELP},
    {"--version", "", IDS_HELP_VERSION},
    {"--language", "zh|en", IDS_HELP_LANGUAGE},
    {"--clef", "treble|bass|alto|tenor", IDS_HELP_CLEF},
    {"--notes", "1-5", IDS_HELP_NOTES},
    {"--ledger-lines", "1-4", IDS_HELP_LEDGER_LINES},
    {"--names", "letters|solfege|numbers", IDS_HELP_NAMES},
});

std::optional<Language> LanguageNamed(std::string_view value) {
    if (value == "zh") {
        return Language::Chinese;
    }
    if (value == "en") {
        return Language::English;
    }
    return std::nullopt;
}

bool IsToolkitOption(std::string_view argument) {
    return argument.size() > 1 && argument[0] == '-' && argument[1] != '-';
}

}  // namespace

std::span<const OptionSpec> CommonOptions() {
    return kCommonOptions;
}

std::vector<OptionSpec> CommonOptionsThen(std::span<const OptionSpec> own) {
    std::vector<OptionSpec> all(kCommonOptions.begin(), kCommonOptions.end());
    all.insert(all.end(), own.begin(), own.end());
    return all;
}

bool TakeCommonOption(const OptionSpec& option, std::string_view value, StartChoices& choices) {
    const std::string_view name = option.name;
    if (name == "--help" || name == "--version") {
        choices.action =
            name == "--help" ? StartChoices::Action::Help : StartChoices::Action::Version;
        return true;
    }
    if (name == "--language") {
        choices.language = LanguageNamed(value);
        return choices.language.has_value();
    }
    if (name == "--clef") {
        if (value == "alto" || value == "tenor") {
            choices.staff.cClef = value == "alto" ? staff::Clef::Alto : staff::Clef::Tenor;
            return true;
        }
        if (value != "treble" && value != "bass") {
            return false;
        }
        choices.staff.treble = value == "treble";
        choices.staff.cClef.reset();
        return true;
    }
    if (name == "--ledger-lines") {
        if (value.size() != 1 || value[0] < '0' + staff::kMinLedgerLines ||
            value[0] > '0' + staff::kMaxLedgerLines) {
            return false;
        }
        choices.staff.ledgerLines = value[0] - '0';
        return true;
    }
    if (name == "--names") {
        const std::optional<staff::NameSystem> names = staff::NameSystemNamed(value);
        choices.staff.names = names ? names : choices.staff.names;
        return names.has_value();
    }
    if (name == "--notes") {
        if (value.size() != 1 || value[0] < '1' || value[0] > '5') {
            return false;
        }
        choices.staff.maxNotes = value[0] - '0';
        return true;
    }
    return false;
}

std::string ScanOptions(const std::vector<std::string>& args, std::span<const OptionSpec> options,
                        const TakeOption& take, std::vector<std::string>& toolkit) {
    if (!args.empty()) {
        toolkit.push_back(args[0]);
    }
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string_view argument = args[i];
        if (IsToolkitOption(argument)) {
            // Qt's options are its own to know; a word after one is its value.
            toolkit.push_back(args[i]);
            if (i + 1 < args.size() && !args[i + 1].starts_with('-')) {
                toolkit.push_back(args[++i]);
            }
            continue;
        }
        const size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const auto own = std::find_if(options.begin(), options.end(),
                                      [&](const OptionSpec& o) { return o.name == name; });
        if (own == options.end()) {
            return FillIn(
                argument.starts_with('-') ? IDS_ERR_UNKNOWN_OPTION : IDS_ERR_UNKNOWN_ARGUMENT,
                {argument});
        }
        std::string_view value;
        if (own->valueName.empty()) {
            if (equals != std::string_view::npos) {
                return FillIn(IDS_ERR_NO_VALUE_TAKEN, {name});
            }
        } else if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            const std::string values =
                own->values != nullptr ? own->values() : std::string(own->valueName);
            return FillIn(IDS_ERR_VALUE_NEEDED, {name, values});
        }
        std::string error;
        if (!take(*own, value, error)) {
            return error.empty() ? FillIn(IDS_ERR_BAD_VALUE, {name, own->valueName, value}) : error;
        }
    }
    return std::string();
}

std::optional<Language> LanguageOnCommandLine(const std::vector<std::string>& args) {
    std::optional<Language> found;
    for (size_t i = 1; i < args.size(); ++i) {
        std::optional<Language> named;
        if (args[i] == "--language" && i + 1 < args.size()) {
            named = LanguageNamed(args[i + 1]);
        } else if (args[i].starts_with("--language=")) {
            named = LanguageNamed(std::string_view(args[i]).substr(11));
        }
        found = named.has_value() ? named : found;
    }
    return found;
}

std::string OptionsHelp(std::span<const OptionSpec> options, const std::string& more) {
    std::string text = FillIn(IDS_USAGE);
    for (const OptionSpec& option : options) {
        // Appended piece by piece: g++ 12 at -O3 falsely reports -Wrestrict on " " + name.
        std::string left = "  ";
        left += option.name;
        if (!option.valueName.empty()) {
            left += ' ';
            left += option.values != nullptr ? option.values() : std::string(option.valueName);
        }
        // An option too long for the column has its help on a line of its own.
        constexpr size_t kHelpColumn = 30;
        if (left.size() + 2 > kHelpColumn) {
            left += '\n';
            left.append(kHelpColumn, ' ');
        } else {
            left.resize(kHelpColumn, ' ');
        }
        text += left;
        text += FillIn(option.help);
        text += '\n';
    }
    return text + more;
}

std::string FillIn(UINT id, std::initializer_list<std::string_view> values) {
    CString pattern;
    pattern.LoadString(id);
    std::string text = pattern.str();
    size_t from = 0;
    for (const std::string_view value : values) {
        const size_t at = text.find("%s", from);
        if (at == std::string::npos) {
            break;
        }
        text.replace(at, 2, value);
        from = at + value.size();
    }
    return text;
}
