// What a practice round asks: the drill, the clef choice, the range of steps and how many
// questions.
#pragma once

#include <cstdint>

#include "practice/Drill.h"

namespace practice {

struct RoundSettings {
    static constexpr int kEndless = 0;

    Drill drill = Drill::Read;
    ClefChoice clef = ClefChoice::Treble;
    int lowStep = kLowestStep;
    int highStep = kHighestStep;
    AccidentalChoice accidentals = AccidentalChoice::None;
    int key = 0;     // -7..7 (negative: flats) or kRandomKey
    int count = 20;  // questions in the round; kEndless: until the learner stops
    std::uint64_t seed = 0;
    // The staff's room for ledger lines above and below, 1 to 4.
    int ledgerLines = 1;

    // The steps lie on the staff of ledgerLines with lowStep <= highStep, count is kEndless
    // or above 0, and the key is a signature of at most seven signs or kRandomKey.
    bool Valid() const;
    // What Place and Hear are answered with when the staff holds no note: a step just off
    // this staff (0 with one ledger line), never a right answer.
    int NoStep() const;
};

}  // namespace practice
