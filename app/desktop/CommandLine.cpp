#include "app/desktop/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// An option of the program's own. Each one is a row here: its name, what it takes, the
// line --help gives it and how its value is stored; a false return means a bad value.
struct OptionSpec {
    std::string_view name;
    std::string_view valueName;  // empty for an option that takes no value
    std::string_view help;
    bool (*apply)(CommandLine& line, std::string_view value);
};

constexpr std::array<OptionSpec, 2> kOptions{{
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
}};

// The toolkit's documented options (QGuiApplication, QApplication and the X11 platform):
// they stay on the line it is given, with their values.
struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array<ToolkitOption, 17> kToolkitOptions{{
    {"platform", true},       {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},         {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true},   {"reverse", false},           {"session", true},
    {"display", true},        {"geometry", true},           {"style", true},
    {"stylesheet", true},     {"widgetcount", false},       {"nograb", false},
    {"dograb", false},        {"qmljsdebugger", true},
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
                return Fail("canzet: " + std::string(name) + " needs a value (" +
                            std::string(own->valueName) + "); see 'canzet --help'");
            }
            if (!own->apply(line, value)) {
                return Fail("canzet: " + std::string(name) + " takes " +
                            std::string(own->valueName) + ", not '" + std::string(value) +
                            "'; see 'canzet --help'");
            }
            continue;
        }
        const ToolkitOption* toolkit =
            argument.starts_with('-') && argument.size() > 1 ? FindToolkitOption(argument)
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
            left += option.valueName;
        }
        left.resize(std::max<size_t>(left.size() + 2, 30), ' ');
        text += left + std::string(option.help) + "\n";
    }
    text +=
        "\nQt's own options, such as -platform NAME, -display DISPLAY and -style STYLE, are\n"
        "passed on to Qt.\n"
        "\nReport bugs to: " CANZET_BUG_ADDRESS "\n";
    return text;
}
