// The practice dialogs' lines in the program's language: the prompt, the result, the score,
// the round's summary and each step's progress, with pitches in scientific notation.
#pragma once

#include <string>
#include <vector>

#include "practice/ChartDays.h"
#include "practice/Question.h"
#include "practice/RoundObserver.h"
#include "practice/Statistics.h"
#include "staff/NoteNames.h"

namespace practice_texts {

std::string LoadText(unsigned id);
// A MIDI key's pitch as the learner reads it: "C5", a sharp "F♯4" (or "升F4").
std::string KeyName(int key);
// A step's pitch under the clef choice: "G4", or under both clefs "G4 / B2".
std::string StepName(int step, practice::ClefChoice clef);
// Milliseconds as seconds with one decimal, rounded: 1250 -> "1.3".
std::string Seconds(int ms);

// "Place G4 on the staff".
std::string Prompt(const practice::Question& question);
// "Right: G4, 1.3 s" or "Not quite: this is A4, you answered G4"; `noStep` is the step a
// confirm with no note on the staff gives (RoundSettings::NoStep), named "-"; `sung`: the
// answer was heard by the microphone ("you sang"); the asked note in the learner's `names`,
// with its letters beside it.
std::string Result(const practice::AnswerResult& result, int noStep, bool sung = false,
                   staff::NameSystem names = staff::NameSystem::Letters);
// "Question 7 of 20 · 6 right · 4 in a row"; `count` 0 for an endless round.
std::string Score(int number, int count, int right, int inARow);
// Right/total, the median time and the three weakest steps of the round, named in `names`
// under the round's signature.
std::string Summary(const practice::RoundSummary& summary,
                    const std::vector<practice::StepStatistics>& weakest, practice::ClefChoice clef,
                    int signature = 0, staff::NameSystem names = staff::NameSystem::Letters);
// "F4: 60% right, 2.1 s", or that the step has no answers yet; `name` names the step.
std::string StepProgress(const practice::StepStatistics& step, const std::string& name);
// "30 天", and the chart's facts: "最近 30 天：练习 18 天，每分钟 24 个音，正确率 91%".
std::string ChartDays(int days);
std::string ChartWords(const practice::ChartFigures& figures);
// A major key by its signature: "G major", "B♭ major".
std::string MajorKeyName(int signature);
// Why the answers cannot be saved, naming the file.
std::string NotSaved(const practice::SaveFailure& failure);

}  // namespace practice_texts
