// The program's entry on Windows: the language of the user's interface, the window
// system's backend, then the framework.
#include <windows.h>

#include "app/Canzet.h"
#include "app/Language.h"
#include "platform/win32/Win32Backend.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
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
