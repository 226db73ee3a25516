#include "practice/Question.h"

#include <cstdlib>
#include <string_view>

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

int MiddleLineOf(Clef clef) {
    return staff::MiddleLineOf(StaffClefOf(clef));
}

staff::SpelledPitch Question::Pitch() const {
    return staff::PitchAt(MiddleLineOf(clef), 7 - step, accidental, signature);
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

int StepOfKey(int key, Clef clef, int ledgerLines) {
    const std::optional<int> step =
        staff::StaffGeometry(ledgerLines).KeyToStep(key, StaffClefOf(clef));
    return step.value_or(staff::StaffGeometry(ledgerLines).LowestStep() - 1);
}

int Question::Key() const {
    return staff::KeyOf(Pitch());
}

std::string Question::PitchName() const {
    return PitchName(staff::ReplayWords());
}

std::string Question::PitchName(const staff::NameWords& words) const {
    return staff::NameOf(Pitch(), accidental == staff::Accidental::Natural, words);
}

char Question::Letter() const {
    return LetterOf(step, clef);
}

staff::SpelledPitch GivenPitchOf(const Question& question, const AnswerRecord& answer) {
    if (answer.drill != Drill::Read) {
        return staff::PitchAt(MiddleLineOf(question.clef), 7 - answer.givenStep,
                              answer.givenAccidental, question.signature);
    }
    const staff::SpelledPitch asked = question.Pitch();
    const int letter = static_cast<int>(std::string_view("CDEFGAB").find(answer.givenLetter));
    // The letter in the asked octave, then an octave up or down when that is nearer.
    staff::SpelledPitch given{asked.letterStep - staff::LetterOf(asked.letterStep) + letter,
                              answer.givenAlter};
    for (const int shift : {-staff::kLettersPerOctave, staff::kLettersPerOctave}) {
        const staff::SpelledPitch other{given.letterStep + shift, given.alter};
        if (std::abs(staff::KeyOf(other) - staff::KeyOf(asked)) <
            std::abs(staff::KeyOf(given) - staff::KeyOf(asked))) {
            given = other;
        }
    }
    return given;
}

}  // namespace practice
