#include "app/PracticeNameTexts.h"

#include "app/PracticeTexts.h"
#include "platform/CString.h"
#include "res/resource.h"
#include "staff/NoteWords.h"
#include "staff/StaffControl.h"

namespace practice_texts {

namespace {
const char* SignOf(int alter) {
    return alter > 0 ? "♯" : alter < 0 ? "♭" : "";
}

staff::NoteName NameOfQuestion(const practice::Question& question) {
    return staff::NameOfPitch(question.Pitch(), question.signature);
}
}  // namespace

std::string AskedWords(const practice::Question& question, staff::NameSystem names) {
    return staff::NoteWordsWithLetters(NameOfQuestion(question), names,
                                       question.PitchName(PitchWords()));
}

std::string GivenWords(const practice::AnswerResult& result, const std::string& letters, int noStep,
                       staff::NameSystem names) {
    const practice::Question& question = result.question;
    if (names == staff::NameSystem::Letters || result.answer.givenKey >= 0 ||
        (question.drill != practice::Drill::Read && result.answer.givenStep == noStep)) {
        return letters;
    }
    const staff::SpelledPitch given = practice::GivenPitchOf(question, result.answer);
    return staff::NoteWordsWithLetters(staff::NameOfPitch(given, question.signature), names,
                                       staff::NameOf(given, false, PitchWords()));
}

std::string StepWords(int step, practice::ClefChoice clef, int signature, staff::NameSystem names) {
    if (names == staff::NameSystem::Letters) {
        return StepName(step, clef);
    }
    const auto words = [&](practice::Clef staffClef) {
        return AskedWords({.clef = staffClef, .step = step, .signature = signature}, names);
    };
    switch (clef) {
        case practice::ClefChoice::Treble:
            return words(practice::Clef::Treble);
        case practice::ClefChoice::Bass:
            return words(practice::Clef::Bass);
        case practice::ClefChoice::Alto:
            return words(practice::Clef::Alto);
        case practice::ClefChoice::Tenor:
            return words(practice::Clef::Tenor);
        case practice::ClefChoice::Both:
            break;
    }
    CString text;
    text.Format(LoadText(IDS_STEP_BOTH_CLEFS).c_str(), words(practice::Clef::Treble).c_str(),
                words(practice::Clef::Bass).c_str());
    return text.str();
}

std::string NamedPrompt(const practice::Question& question, staff::NameSystem names) {
    if (names == staff::NameSystem::Letters) {
        return Prompt(question);
    }
    std::string prompt = Prompt(question);
    if (question.drill == practice::Drill::Place) {
        CString text;
        text.Format(
            LoadText(IDS_PROMPT_PLACE_NAMED).c_str(),
            staff::NoteWords(NameOfQuestion(question), names, question.PitchName(PitchWords()))
                .c_str());
        prompt = text.str();
    }
    const std::string tonic = TonicWords(question.signature, names);
    if (tonic.empty()) {
        return prompt;
    }
    CString text;
    text.Format(LoadText(IDS_PROMPT_WITH_TONIC).c_str(), prompt.c_str(), tonic.c_str());
    return text.str();
}

std::string TonicWords(int signature, staff::NameSystem names) {
    if (names == staff::NameSystem::Letters || signature == 0) {
        return {};
    }
    CString text;
    text.Format(
        LoadText(names == staff::NameSystem::Numbers ? IDS_TONIC_NUMBERS : IDS_TONIC_SOLFEGE)
            .c_str(),
        staff::TonicName(staff::TonicOf(signature)).c_str());
    return text.str();
}

std::string NameButtonCaption(int index, int alter, staff::NameSystem names) {
    const std::string digit = std::to_string(index + 1);
    switch (names) {
        case staff::NameSystem::Letters:
            return std::string("&") + "CDEFGAB"[index] + SignOf(alter);
        case staff::NameSystem::Solfege: {
            const staff::NoteName name{.degree = index + 1, .degreeAlteration = alter};
            return "&" + digit + " " + staff::BareName(name, names);
        }
        case staff::NameSystem::Numbers:
            break;
    }
    return SignOf(alter) + ("&" + digit);
}

}  // namespace practice_texts
