#include "midi/fluidsynth/AudioFailure.h"

#include <array>
#include <cctype>

namespace {

struct KnownCause {
    std::string_view saying;  // found anywhere in a message
    std::string_view meaning;
};

// First match wins, so the more telling sayings come first.
constexpr std::array<KnownCause, 8> kCauses{{
    {"Couldn't find the requested audio driver", "not in this FluidSynth"},
    {"cannot find card", "no sound card"},
    {"Failed to connect to Jack server", "no server"},
    {"Cannot connect to server", "no server"},
    {"Connection refused", "connection refused"},
    {"Access denied", "access denied"},
    {"Timeout", "no answer"},
    {"Device or resource busy", "device busy"},
}};

constexpr std::string_view kErrorIntro = "error: ";

std::string FirstLetterLower(std::string text) {
    if (!text.empty()) {
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    }
    return text;
}

}  // namespace

std::string ExplainAudioFailure(const std::vector<LibraryMessage>& said) {
    for (const KnownCause& cause : kCauses) {
        for (const LibraryMessage& message : said) {
            if (message.text.find(cause.saying) != std::string::npos) {
                return std::string(cause.meaning);
            }
        }
    }
    if (said.empty()) {
        return "failed";
    }
    // Otherwise the last word on it, as plain as the library put it.
    const std::string& last = said.back().text;
    const size_t intro = last.rfind(kErrorIntro);
    return FirstLetterLower(intro == std::string::npos ? last
                                                       : last.substr(intro + kErrorIntro.size()));
}

std::string AudioDriverTitle(std::string_view driver) {
    constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kTitles{{
        {"pulseaudio", "PulseAudio"},
        {"alsa", "ALSA"},
        {"jack", "JACK"},
        {"pipewire", "PipeWire"},
    }};
    for (const auto& [name, title] : kTitles) {
        if (name == driver) {
            return std::string(title);
        }
    }
    return std::string(driver);
}
