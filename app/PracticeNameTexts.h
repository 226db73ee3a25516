// The practice dialog's words for notes in the learner's naming system: the asked note with
// its letters beside it, Place's prompt, the key's tonic ("1=G") and the name buttons.
#pragma once

#include <string>

#include "practice/Question.h"
#include "practice/RoundObserver.h"
#include "practice/RoundSettings.h"
#include "staff/NoteNames.h"

namespace practice_texts {

// The asked pitch: "G4" in letters, "5（G4）" / "2 (high, D5)" otherwise.
std::string AskedWords(const practice::Question& question, staff::NameSystem names);
// The learner's answer in the system with its letters beside it, "6（A4）"; `letters` as it is
// in letters, and for a key played or no note placed.
std::string GivenWords(const practice::AnswerResult& result, const std::string& letters, int noStep,
                       staff::NameSystem names);
// A step of the statistics under the clef choice and the signature, in the system with its
// letters beside it ("7（升F4）", both clefs' names under both); in letters as StepName says.
std::string StepWords(int step, practice::ClefChoice clef, int signature, staff::NameSystem names);
// Place's prompt in the system ("把高音2放到谱上"), with the tonic beside it in a key; the
// letters' prompt as it always was.
std::string NamedPrompt(const practice::Question& question, staff::NameSystem names);
// "1=G", "do = B♭"; empty in letters or without a key.
std::string TonicWords(int signature, staff::NameSystem names);
// Name button `index` (0..6): "&C", or the degree's "&5" / "&5 sol", each with the sign the
// next answer takes ("&F♯", "♯&4").
std::string NameButtonCaption(int index, int alter, staff::NameSystem names);

}  // namespace practice_texts
