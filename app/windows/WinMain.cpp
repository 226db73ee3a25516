// The program's entry on Windows: the language (the command line's, else that of the
// user's interface), the command line, the window system's backend, then the framework.
// With no console to write to, --help, --version and a mistake on the command line are
// told in a message box.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <array>
#include <string>
#include <vector>

#include "app/Canzet.h"
#include "app/CommandLineScan.h"
#include "app/KeyboardRelay.h"
#include "app/Language.h"
#include "input/midi/winmm/WinMmMidiIn.h"
#include "platform/res/VersionInfoReader.h"
#include "platform/win32/TextConversion.h"
#include "platform/win32/Win32Backend.h"
#include "platform/win32/Win32Resources.h"
#include "res/resource.h"

namespace {

std::vector<std::string> ProgramArguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) {
        args.push_back(Utf16ToUtf8(words[i]));
    }
    LocalFree(words);
    return args;
}

// The product version of the executable's version block, as 1.0.0.1.
std::string ProgramVersion() {
    const auto info = ReadVersionInfo(FindResourceBytes(MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1)));
    if (!info) {
        return {};
    }
    const auto part = [](DWORD word, int shift) {
        return std::to_string((word >> shift) & 0xFFFF);
    };
    return part(info->fixed.productVersionMs, 16) + "." + part(info->fixed.productVersionMs, 0) +
           "." + part(info->fixed.productVersionLs, 16) + "." +
           part(info->fixed.productVersionLs, 0);
}

constexpr auto kPracticeOptions = std::to_array<OptionSpec>({
    {"--practice", "", IDS_HELP_PRACTICE},
    {"--listen", "", IDS_HELP_LISTEN},
});

const std::vector<OptionSpec>& Options() {
    static const std::vector<OptionSpec> options = CommonOptionsThen(kPracticeOptions);
    return options;
}

bool TakeWindowsOption(const OptionSpec& option, std::string_view value, StartChoices& choices,
                       PracticeSetup& practice) {
    if (option.name == "--practice") {
        practice.openAtStart = true;
        return true;
    }
    if (option.name == "--listen") {
        practice.listen = true;
        return true;
    }
    return TakeCommonOption(option, value, choices);
}

void Tell(const std::string& text, UINT icon) {
    MessageBoxW(nullptr, Utf8ToUtf16(text).c_str(), Utf8ToUtf16(kProgramName).c_str(),
                MB_OK | icon);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const std::vector<std::string> args = ProgramArguments();
    const Language language =
        LanguageOnCommandLine(args).value_or(LanguageOfWindowsUi(GetUserDefaultUILanguage()));
    // The thread's UI language is the one the system's own texts (a message box's buttons)
    // and any resource the system loads for the program are found in.
    SetThreadUILanguage(ResourceLanguageOf(language));
    UseLanguage(language);

    StartChoices choices;
    PracticeSetup practice;
    // There is no toolkit here to take single-dash options; they are let be.
    std::vector<std::string> toolkit;
    const std::string error = ScanOptions(
        args, Options(),
        [&](const OptionSpec& option, std::string_view value, std::string&) {
            return TakeWindowsOption(option, value, choices, practice);
        },
        toolkit);
    if (!error.empty()) {
        Tell(error, MB_ICONERROR);
        return 2;
    }
    if (choices.action == StartChoices::Action::Help) {
        Tell(OptionsHelp(Options(), FillIn(IDS_HELP_BUGS, {CANZET_BUG_ADDRESS})),
             MB_ICONINFORMATION);
        return 0;
    }
    if (choices.action == StartChoices::Action::Version) {
        Tell("canzet " + ProgramVersion(), MB_ICONINFORMATION);
        return 0;
    }

    Win32Backend backend(instance, kProgramName);
    SetCurrentBackend(&backend);
    theApp.m_staffSetup = choices.staff;
    theApp.m_practiceSetup = practice;
    // Every MIDI keyboard, its keys handed to this thread as posted messages.
    CKeyboardRelay keyboardRelay(PlayedKeys());
    input::midi::WinMmMidiIn keyboards(keyboardRelay);
    keyboards.Open(instance);
    const int exitCode = AfxWinMain();
    keyboards.Close();
    SetCurrentBackend(nullptr);
    return exitCode;
}
