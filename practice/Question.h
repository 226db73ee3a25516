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
    int step = kLowestStep;  // 1 (ledger line below the staff) to 13 (ledger line above)

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

inline constexpr int kHighestKey = 127;
// Of any MIDI key 0..127: its letter, a sharp's being the natural below it ('F' for F♯4);
// whether it is a sharp; its octave in scientific notation (C4 is key 60).
char KeyLetter(int key);
bool IsSharpKey(int key);
int KeyOctave(int key);
// The step where `key` lies under the clef; 0 when the staff has no place for it (a sharp,
// or a pitch beyond the thirteen steps).
int StepOfKey(int key, Clef clef);

}  // namespace practice
