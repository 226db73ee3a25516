// Whether the desktop program has a display to open, judged from the environment and the
// toolkit's own options before the toolkit is started (the toolkit aborts when it finds
// none).
#pragma once

#include <string>
#include <string_view>
#include <vector>

// What names the display: each variable as getenv gives it (nullptr when unset), and the
// toolkit's command line (argv[0] first), whose -display and -platform override them.
struct DisplayChoice {
    const char* display = nullptr;         // DISPLAY
    const char* waylandDisplay = nullptr;  // WAYLAND_DISPLAY
    const char* qtPlatform = nullptr;      // QT_QPA_PLATFORM
    std::vector<std::string> toolkitArguments;
};

bool HasDisplay(const DisplayChoice& choice);

// The one line the program prints when it has no display.
constexpr const char* kNoDisplayMessage =
    "canzet: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set); "
    "start it from a graphical session";

// What the program prints when the toolkit gives up on the display it was given: one line
// naming what chose it, after the toolkit's own last line when a platform was named, since
// then the platform itself may be at fault and the toolkit says which ones it has.
std::string CannotOpenDisplayMessage(const DisplayChoice& choice, std::string_view toolkitLastLine);
