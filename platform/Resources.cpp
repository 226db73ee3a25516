#include "platform/Resources.h"

// Placeholder until the embedded resource reader lands: every load fails, which the
// callers treat as a missing resource.
bool LoadStringResource(UINT, std::string&) {
    return false;
}
bool LoadBitmapResource(UINT, Surface&) {
    return false;
}

#include "platform/Icon.h"
HICON LoadIconResource(UINT) {
    return nullptr;
}
