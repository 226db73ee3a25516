// The program's entry on Windows: the window system's backend, then the framework.
#include <windows.h>

#include "platform/CWinApp.h"
#include "platform/win32/Win32Backend.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Win32Backend backend(instance);
    SetCurrentBackend(&backend);
    const int exitCode = AfxWinMain();
    SetCurrentBackend(nullptr);
    return exitCode;
}
