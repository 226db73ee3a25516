#include "app/desktop/CommandLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "midi/fluidsynth/FluidSynthEngine.h"

namespace {

// An option of the program's own. Each one is a row here: its name, what it takes, the
// line --help gives it and how its value is stored; a false return means a bad value, which
// the row may explain itself in line.error.
struct OptionSpec {
    std::string_view name;
    std::string_view valueName;  // empty for an option that takes no value
    std::string_view help;
    bool (*apply)(CommandLine& line, std::string_view value);
    // The values as this machine has them, when they vary; then valueName is not used.
    std::string (*values)() = nullptr;
};

std::string ValueName(const OptionSpec& option) {
    return option.values != nullptr ? option.values() : std::string(option.valueName);
}

std::string AudioDriverNames() {
    std::string names;
    for (const std::string& name : AvailableAudioDrivers()) {
        names += (names.empty() ? "" : "|") + name;
    }
    return names;
}

bool SetAudioDriver(CommandLine& line, std::string_view value) {
    const std::vector<std::string> available = AvailableAudioDrivers();
    if (std::find(available.begin(), available.end(), value) != available.end()) {
        line.sound.audioDriver = value;
        return true;
    }
    line.error = "canzet: --audio-driver takes " + AudioDriverNames() + " here, not '" +
                 std::string(value) + "'; see 'canzet --help'";
    return false;
}

bool SetMidiOut(CommandLine& line, std::string_view value) {
    using Route = SoundSettings::Route;
    constexpr std::array<std::pair<std::string_view, Route>, 4> kRoutes{{{"auto", Route::Auto},
                                                                         {"synth", Route::Synth},
                                                                         {"port", Route::Port},
                                                                         {"none", Route::None}}};
    for (const auto& [name, route] : kRoutes) {
        if (name == value) {
            line.sound.route = route;
            return true;
        }
    }
    return false;
}

bool SetInstrument(CommandLine& line, std::string_view value) {
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < 1 || number > 128) {
        return false;
    }
    line.sound.instrument = number;
    return true;
}

constexpr auto kOptions = std::to_array<OptionSpec>({
    {"--help", "", "show this help and exit",
     [](CommandLine& line, std::string_view) {
         line.action = CommandLine::Action::Help;
         return true;
     }},
    {"--version", "", "show the version and exit",
     [](CommandLine& line, std::string_view) {
         line.action = CommandLine::Action::Version;
         return true;
     }},
    {"--language", "zh|en", "show Chinese (zh) or English (en) texts, whatever the locale",
     [](CommandLine& line, std::string_view value) {
         if (value != "zh" && value != "en") {
             return false;
         }
         line.language = value == "zh" ? Language::Chinese : Language::English;
         return true;
     }},
    {"--clef", "treble|bass", "the staff's clef at start (default treble)",
     [](CommandLine& line, std::string_view value) {
         if (value != "treble" && value != "bass") {
             return false;
         }
         line.staff.treble = value == "treble";
         return true;
     }},
    {"--notes", "1-5", "how many notes the staff holds (default 1)",
     [](CommandLine& line, std::string_view value) {
         if (value.size() != 1 || value[0] < '1' || value[0] > '5') {
             return false;
         }
         line.staff.maxNotes = value[0] - '0';
         return true;
     }},
    {"--practice", "", "open the practice dialog over the staff at start",
     [](CommandLine& line, std::string_view) {
         line.practice.openAtStart = true;
         return true;
     }},
    {"--soundfont", "FILE", "the built-in synth's soundfont",
     [](CommandLine& line, std::string_view value) {
         line.sound.soundfont = value;
         line.sound.soundfontChosen = true;
         return !value.empty();
     }},
    {"--audio-driver", "DRIVER", "the built-in synth's audio output", SetAudioDriver,
     AudioDriverNames},
    {"--midi-out", "auto|synth|port|none",
     "where notes go; auto: the port while connected, else the synth", SetMidiOut},
    {"--instrument", "1-128", "General MIDI program to select on channel 1 at start-up",
     SetInstrument},
    {"--progress-file", "FILE", "keep the practice progress in FILE",
     [](CommandLine& line, std::string_view value) {
         line.progressFile = value;
         return !value.empty();
     }},
    {"--export-progress", "FILE.csv", "write every practice answer to FILE.csv and exit",
     [](CommandLine& line, std::string_view value) {
         line.action = CommandLine::Action::ExportProgress;
         line.exportFile = value;
         return !value.empty();
     }},
    {"--verbose", "", "pass the sound libraries' own messages to standard error",
     [](CommandLine& line, std::string_view) {
         line.sound.libraryMessages = true;
         return true;
     }},
});

// The toolkit's documented options (QGuiApplication, QApplication and the X11 platform):
// they stay on the line it is given, with their values.
struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array<ToolkitOption, 17> kToolkitOptions{{
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"reverse", false},
    {"session", true},
    {"display", true},
    {"geometry", true},
    {"style", true},
    {"stylesheet", true},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"qmljsdebugger", true},
}};

const ToolkitOption* FindToolkitOption(std::string_view argument) {
    // The toolkit reads "-name" and "--name" alike, and "-name=value" for some.
    if (argument.starts_with("--")) {
        argument.remove_prefix(2);
    } else {
        argument.remove_prefix(1);
    }
    argument = argument.substr(0, argument.find('='));
    const auto found = std::find_if(kToolkitOptions.begin(), kToolkitOptions.end(),
                                    [&](const ToolkitOption& o) { return o.name == argument; });
    return found == kToolkitOptions.end() ? nullptr : &*found;
}

CommandLine Fail(std::string error) {
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = std::move(error);
    return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    if (!args.empty()) {
        line.toolkitArguments.push_back(args[0]);
    }
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string_view argument = args[i];
        const size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const auto own = std::find_if(kOptions.begin(), kOptions.end(),
                                      [&](const OptionSpec& o) { return o.name == name; });
        if (own != kOptions.end()) {
            std::string_view value;
            if (own->valueName.empty()) {
                if (equals != std::string_view::npos) {
                    return Fail("canzet: " + std::string(name) +
                                " takes no value; see 'canzet --help'");
                }
            } else if (equals != std::string_view::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return Fail("canzet: " + std::string(name) + " needs a value (" + ValueName(*own) +
                            "); see 'canzet --help'");
            }
            if (!own->apply(line, value)) {
                if (!line.error.empty()) {
                    return Fail(line.error);
                }
                return Fail("canzet: " + std::string(name) + " takes " + ValueName(*own) +
                            ", not '" + std::string(value) + "'; see 'canzet --help'");
            }
            continue;
        }
        const ToolkitOption* toolkit = argument.starts_with('-') && argument.size() > 1
                                           ? FindToolkitOption(argument)
                                           : nullptr;
        if (toolkit == nullptr) {
            return Fail("canzet: unknown " +
                        std::string(argument.starts_with('-') ? "option " : "argument ") +
                        std::string(argument) + "; see 'canzet --help'");
        }
        line.toolkitArguments.push_back(args[i]);
        if (toolkit->takesValue && equals == std::string_view::npos && i + 1 < args.size()) {
            line.toolkitArguments.push_back(args[++i]);
        }
    }
    return line;
}

std::string HelpText() {
    std::string text =
        "Usage: canzet [OPTION]...\n"
        "Show a music staff: place a note on it with the mouse, drag it and hear its pitch.\n"
        "\nOptions:\n";
    for (const OptionSpec& option : kOptions) {
        // Appended piece by piece: g++ 12 at -O3 falsely reports -Wrestrict on " " + name.
        std::string left = "  ";
        left += option.name;
        if (!option.valueName.empty()) {
            left += ' ';
            left += ValueName(option);
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
        text += option.help;
        text += '\n';
    }
    text +=
        "\nQt's own options, such as -platform NAME, -display DISPLAY and -style STYLE, are\n"
        "passed on to Qt.\n"
        "\nReport bugs to: " CANZET_BUG_ADDRESS "\n";
    return text;
}
