// Whether a variable of the environment holds a value (`value` as getenv gives it). An
// empty one counts as unset: it names no locale and no display.
#pragma once

inline bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}
