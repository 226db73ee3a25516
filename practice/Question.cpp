#include "practice/Question.h"

#include "staff/StaffGeometry.h"

namespace practice {

int KeyOf(int step, Clef clef) {
    // Step 7 is the middle line, line offset 0; the offset grows downward.
    return staff::StepToKey(7 - step, clef == Clef::Treble);
}

std::string PitchNameOf(int step, Clef clef) {
    return staff::PitchName(KeyOf(step, clef));
}

// Every staff position is a natural note, so the name starts with its letter.
char LetterOf(int step, Clef clef) {
    return PitchNameOf(step, clef).front();
}

namespace {
constexpr int kKeysPerOctave = 12;
constexpr char kLetters[kKeysPerOctave + 1] = "CCDDEFFGGAAB";
constexpr bool kSharps[kKeysPerOctave] = {false, true,  false, true,  false, false,
                                          true,  false, true,  false, true,  false};
}  // namespace

char KeyLetter(int key) {
    return kLetters[key % kKeysPerOctave];
}

bool IsSharpKey(int key) {
    return kSharps[key % kKeysPerOctave];
}

int KeyOctave(int key) {
    return key / kKeysPerOctave - 1;
}

int StepOfKey(int key, Clef clef) {
    return staff::KeyToStep(key, clef == Clef::Treble);
}

int Question::Key() const {
    return KeyOf(step, clef);
}

std::string Question::PitchName() const {
    return PitchNameOf(step, clef);
}

char Question::Letter() const {
    return LetterOf(step, clef);
}

}  // namespace practice
