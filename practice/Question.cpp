#include "practice/Question.h"

#include "staff/StaffGeometry.h"

namespace practice {

int KeyOf(int step, Clef clef) {
    return staff::KeyOfStep(step, StaffClefOf(clef));
}

std::string PitchNameOf(int step, Clef clef) {
    return staff::PitchName(KeyOf(step, clef));
}

// Every staff position is a natural note, so the name starts with its letter.
char LetterOf(int step, Clef clef) {
    return PitchNameOf(step, clef).front();
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
