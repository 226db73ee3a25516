#include "midi/alsa/AlsaMessages.h"

#include <alsa/asoundlib.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "midi/LibraryLog.h"

namespace {

void FromAlsa(const char* file, int line, const char* function, int error, const char* format,
              ...) {
    char message[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    std::string text = message;
    if (error != 0) {
        text += std::string(": ") + snd_strerror(error);
    }
    // As ALSA writes it: where in the library, then what.
    const std::string where = std::string(file != nullptr ? file : "") + ":" +
                              std::to_string(line) + ":(" + (function != nullptr ? function : "") +
                              ") ";
    library_log::Add("ALSA lib", text, "ALSA lib " + where + text);
}

}  // namespace

void CatchAlsaMessages() {
    snd_lib_error_set_handler(FromAlsa);
}
