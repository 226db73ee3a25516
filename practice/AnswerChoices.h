// How the learner answers: on the staff and with the buttons, or by singing or playing
// into the microphone, with the microphone's own choices. Kept in the last-choices file.
#pragma once

#include <filesystem>

#include "practice/OctaveRule.h"

namespace practice {

// What the listener can do, which the program hands in: this layer does not see it.
struct HearingLimits {
    int minHoldMs, maxHoldMs, minA4Hz, maxA4Hz;
};

struct AnswerChoices {
    bool microphone = false;
    // A voice rather than an instrument; a voice is judged in any octave unless chosen
    // otherwise, as a man sings a treble-clef note an octave below.
    bool voice = false;
    OctaveRule octave = OctaveRule::Exact;
    int holdMs = 60;
    int a4Hz = 440;

    bool operator==(const AnswerChoices&) const = default;
    static OctaveRule DefaultOctave(bool voice) {
        return voice ? OctaveRule::Any : OctaveRule::Exact;
    }
};

// What the file holds; each choice it lacks, or holds out of `limits`, as it is by default.
AnswerChoices LoadAnswerChoices(const std::filesystem::path& file, const HearingLimits& limits);
// False when the file could not be written; what else it keeps stays.
bool SaveAnswerChoices(const std::filesystem::path& file, const AnswerChoices& choices);

}  // namespace practice
