// The program's entry on Windows: the language of the user's interface, the window
// system's backend, then the framework.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cwchar>
#include <string_view>

#include "app/Canzet.h"
#include "app/Language.h"
#include "platform/win32/Win32Backend.h"
#include "staff/StaffControl.h"

namespace {

// "--notes N", 1 to 5, as on the desktop: how many notes the staff holds. Anything else on
// the command line is left alone, as a Windows program does.
void ReadNoteCount() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; arguments != nullptr && i + 1 < count; ++i) {
        const long notes = std::wcstol(arguments[i + 1], nullptr, 10);
        if (std::wstring_view(arguments[i]) == L"--notes" && notes >= 1 &&
            notes <= CStaffControl::kMaxNoteSlots) {
            theApp.m_staffSetup.maxNotes = static_cast<int>(notes);
        }
    }
    LocalFree(arguments);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ReadNoteCount();
    const Language language = LanguageOfWindowsUi(GetUserDefaultUILanguage());
    // The thread's UI language is the one the system's own texts (a message box's buttons)
    // and any resource the system loads for the program are found in.
    SetThreadUILanguage(ResourceLanguageOf(language));
    UseLanguage(language);
    Win32Backend backend(instance, kProgramName);
    SetCurrentBackend(&backend);
    const int exitCode = AfxWinMain();
    SetCurrentBackend(nullptr);
    return exitCode;
}
