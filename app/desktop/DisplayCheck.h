// Whether the desktop program has a display to open, judged from the environment before
// the toolkit is started (the toolkit aborts when it finds none).
#pragma once

#include <string>

// Each argument is the value of the variable of that name, or nullptr when unset.
bool HasDisplay(const char* display, const char* waylandDisplay, const char* qtPlatform);

// The one line the program prints when it has no display.
constexpr const char* kNoDisplayMessage =
    "canzet: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set); "
    "start it from a graphical session";

// The one line the program prints when the display it was given does not answer, naming
// the variables that chose it.
std::string CannotOpenDisplayMessage(const char* display, const char* waylandDisplay,
                                     const char* qtPlatform);
