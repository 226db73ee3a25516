// One question of a round: the drill, its clef and the asked staff step, with the note's
// own sign and the key it is asked in, and what the owner needs to show or sound it.
#pragma once

#include <string>

#include "practice/AnswerRecord.h"
#include "practice/Drill.h"
#include "staff/WrittenPitch.h"

namespace practice {

struct Question {
    int number = 0;  // 1 for a round's first question
    Drill drill = Drill::Read;
    Clef clef = Clef::Treble;
    // 1 (first ledger line below the staff) to 13 (first above), and with more ledger
    // lines on to -5 and 19.
    int step = kLowestStep;
    staff::Accidental accidental = staff::Accidental::None;
    int signature = 0;

    // The pitch as written: the step's letter, raised or lowered by the sign in force.
    staff::SpelledPitch Pitch() const;
    // The MIDI key the note sounds under the question's clef, as the staff sounds it.
    int Key() const;
    // In scientific notation, middle C is C4: "G4", "F#5", "Bb4".
    std::string PitchName() const;
    // The same in the words of the string tables.
    std::string PitchName(const staff::NameWords& words) const;
    // The letter alone, 'C' to 'B': what Read asks for, with the sign of Pitch().
    char Letter() const;
};

// The same as Question's, for any step under a clef: for texts that name the learner's
// answer ("you answered G4") or a step in the statistics.
int KeyOf(int step, Clef clef);
std::string PitchNameOf(int step, Clef clef);
char LetterOf(int step, Clef clef);
// The clef's middle line as a letter step (staff/WrittenPitch.h).
int MiddleLineOf(Clef clef);
// What the learner answered, spelled: the letter and sign in the octave nearest the asked
// pitch for Read, the placed note as written for Place and Hear.
staff::SpelledPitch GivenPitchOf(const Question& question, const AnswerRecord& answer);

inline constexpr int kHighestKey = 127;
// Of any MIDI key 0..127: its letter, a sharp's being the natural below it ('F' for F♯4);
// whether it is a sharp; its octave in scientific notation (C4 is key 60).
char KeyLetter(int key);
bool IsSharpKey(int key);
int KeyOctave(int key);
// The step where `key` lies under the clef on a staff of `ledgerLines`; one step below that
// staff when it has no place for it (a sharp, or a pitch beyond its steps), as a confirm
// with no note gives (RoundSettings::NoStep).
int StepOfKey(int key, Clef clef, int ledgerLines);

}  // namespace practice
