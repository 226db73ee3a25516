// Why an audio driver did not open, in a few words a user can act on ("connection
// refused", "no sound card", "no server"), from what the libraries said while it tried.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "midi/LibraryLog.h"

std::string ExplainAudioFailure(const std::vector<LibraryMessage>& said);

// "PulseAudio", "ALSA", "JACK", "PipeWire": the driver as its users know it.
std::string AudioDriverTitle(std::string_view driver);
