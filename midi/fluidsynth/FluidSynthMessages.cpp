#include "midi/fluidsynth/FluidSynthMessages.h"

#include <dlfcn.h>
#include <fluidsynth.h>

#include <string>

#include "midi/LibraryLog.h"

namespace {

const char* LevelName(int level) {
    switch (level) {
        case FLUID_PANIC:
            return "panic";
        case FLUID_ERR:
            return "error";
        case FLUID_WARN:
            return "warning";
        default:
            return "info";
    }
}

void FromFluidSynth(int level, const char* message, void*) {
    const std::string text = message != nullptr ? message : "";
    library_log::Add("fluidsynth", text,
                     std::string("fluidsynth: ") + LevelName(level) + ": " + text);
}

void FromJack(const char* message) {
    library_log::Add("JACK", message != nullptr ? message : "", message != nullptr ? message : "");
}

// FluidSynth loads the JACK client library, which writes to standard error unless given
// functions of its own. It is reached at run time, so building needs no JACK headers.
void CatchJackMessages() {
    using SetFunction = void (*)(void (*)(const char*));
    for (const char* name : {"jack_set_error_function", "jack_set_info_function"}) {
        if (void* symbol = dlsym(RTLD_DEFAULT, name)) {
            reinterpret_cast<SetFunction>(symbol)(FromJack);
        }
    }
}

}  // namespace

void CatchFluidSynthMessages() {
    // Debug messages are left to FluidSynth, which writes them only in its debug builds.
    for (int level = FLUID_PANIC; level <= FLUID_INFO; ++level) {
        fluid_set_log_function(level, FromFluidSynth, nullptr);
    }
    CatchJackMessages();
}
