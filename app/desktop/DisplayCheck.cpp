#include "app/desktop/DisplayCheck.h"

namespace {
bool IsSet(const char* value) {
    return value != nullptr && value[0] != '\0';
}
}  // namespace

bool HasDisplay(const char* display, const char* waylandDisplay, const char* qtPlatform) {
    return IsSet(display) || IsSet(waylandDisplay) || IsSet(qtPlatform);
}
