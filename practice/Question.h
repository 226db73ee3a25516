// One question of a round: the drill, its clef and the asked staff step, with what the
// owner needs to show or sound it.
#pragma once

#include <string>

#include "practice/Drill.h"

namespace practice {

struct Question {
    int number = 0;  // 1 for a round's first question
    Drill drill = Drill::Read;
    Clef clef = Clef::Treble;
    // 1 (first ledger line below the staff) to 13 (first above), and with more ledger
    // lines on to -5 and 19.
    int step = kLowestStep;

    // The MIDI key the step sounds under the question's clef, as the staff sounds it.
    int Key() const;
    // In scientific notation, middle C is C4: "G4".
    std::string PitchName() const;
    // The letter alone, 'C' to 'B': what Read asks for.
    char Letter() const;
};

// The same as Question's, for any step under a clef: for texts that name the learner's
// answer ("you answered G4") or a step in the statistics.
int KeyOf(int step, Clef clef);
std::string PitchNameOf(int step, Clef clef);
char LetterOf(int step, Clef clef);

}  // namespace practice
