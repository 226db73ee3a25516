#include "app/desktop/DisplayCheck.h"

#include <utility>

namespace {
bool IsSet(const char* value) {
    return value != nullptr && value[0] != '\0';
}
}  // namespace

bool HasDisplay(const char* display, const char* waylandDisplay, const char* qtPlatform) {
    return IsSet(display) || IsSet(waylandDisplay) || IsSet(qtPlatform);
}

std::string CannotOpenDisplayMessage(const char* display, const char* waylandDisplay,
                                     const char* qtPlatform) {
    std::string chosenBy;
    const std::pair<const char*, const char*> variables[] = {
        {"DISPLAY", display}, {"WAYLAND_DISPLAY", waylandDisplay}, {"QT_QPA_PLATFORM", qtPlatform}};
    for (const auto& [name, value] : variables) {
        if (IsSet(value)) {
            chosenBy += (chosenBy.empty() ? "" : ", ") + std::string(name) + "=" + value;
        }
    }
    return "canzet: cannot open the display (" + chosenBy + "); is the graphical session running?";
}
