#include "platform/ResourceLanguage.h"

#include "platform/Resources.h"

namespace {
// Set once at start-up, before any window exists; read on the user-interface thread.
constinit ResourceLanguages g_languages;
}  // namespace

void SetResourceLanguage(WORD language, WORD fallback) {
    g_languages = {language, fallback};
}

const ResourceLanguages& CurrentResourceLanguages() {
    return g_languages;
}
