#include "app/desktop/CommandLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "midi/fluidsynth/FluidSynthEngine.h"
#include "res/resource.h"

namespace {

std::string AudioDriverNames() {
    std::string names;
    for (const std::string& name : AvailableAudioDrivers()) {
        names += (names.empty() ? "" : "|") + name;
    }
    return names;
}

constexpr auto kDesktopOptions = std::to_array<OptionSpec>({
    {"--practice", "", IDS_HELP_PRACTICE},
    {"--listen", "", IDS_HELP_LISTEN},
    {"--soundfont", "FILE", IDS_HELP_SOUNDFONT},
    {"--audio-driver", "DRIVER", IDS_HELP_AUDIO_DRIVER, AudioDriverNames},
    {"--midi-out", "auto|synth|port|none", IDS_HELP_MIDI_OUT},
    {"--instrument", "1-128", IDS_HELP_INSTRUMENT},
    {"--midi-echo", "on|off", IDS_HELP_MIDI_ECHO},
    {"--progress-file", "FILE", IDS_HELP_PROGRESS_FILE},
    {"--export-progress", "FILE.csv", IDS_HELP_EXPORT_PROGRESS},
    {"--export-days", "FILE.csv", IDS_HELP_EXPORT_DAYS},
    {"--verbose", "", IDS_HELP_VERBOSE},
});

const std::vector<OptionSpec>& Options() {
    static const std::vector<OptionSpec> options = CommonOptionsThen(kDesktopOptions);
    return options;
}

bool SetAudioDriver(CommandLine& line, std::string_view value, std::string& error) {
    const std::vector<std::string> available = AvailableAudioDrivers();
    if (std::find(available.begin(), available.end(), value) != available.end()) {
        line.sound.audioDriver = value;
        return true;
    }
    error = FillIn(IDS_ERR_BAD_AUDIO_DRIVER, {AudioDriverNames(), value});
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

bool TakeDesktopOption(CommandLine& line, std::string_view name, std::string_view value,
                       std::string& error) {
    if (name == "--practice") {
        line.practice.openAtStart = true;
        return true;
    }
    if (name == "--progress-file") {
        line.progressFile = value;
        return !value.empty();
    }
    if (name == "--export-progress") {
        line.action = CommandLine::Action::ExportProgress;
        line.exportFile = value;
        return !value.empty();
    }
    if (name == "--export-days") {
        line.action = CommandLine::Action::ExportDays;
        line.exportFile = value;
        return !value.empty();
    }
    if (name == "--soundfont") {
        line.sound.soundfont = value;
        line.sound.soundfontChosen = true;
        return !value.empty();
    }
    if (name == "--audio-driver") {
        return SetAudioDriver(line, value, error);
    }
    if (name == "--midi-out") {
        return SetMidiOut(line, value);
    }
    if (name == "--instrument") {
        return SetInstrument(line, value);
    }
    if (name == "--listen") {
        line.practice.listen = true;
        return true;
    }
    if (name == "--midi-echo") {
        line.midiEcho = value == "on";
        return value == "on" || value == "off";
    }
    line.sound.libraryMessages = true;
    return true;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    const std::string error = ScanOptions(
        args, Options(),
        [&](const OptionSpec& option, std::string_view value, std::string& optionError) {
            const bool common =
                std::any_of(CommonOptions().begin(), CommonOptions().end(),
                            [&](const OptionSpec& o) { return o.name == option.name; });
            return common ? TakeCommonOption(option, value, line)
                          : TakeDesktopOption(line, option.name, value, optionError);
        },
        line.toolkitArguments);
    if (!error.empty()) {
        CommandLine failed;
        failed.action = CommandLine::Action::Error;
        failed.error = error;
        return failed;
    }
    return line;
}

std::string HelpText() {
    return OptionsHelp(Options(),
                       FillIn(IDS_HELP_TOOLKIT) + FillIn(IDS_HELP_BUGS, {CANZET_BUG_ADDRESS}));
}
