// What a round tells its owner (the practice window, canzet-replay). The owner shows and
// sounds; the round decides and keeps.
#pragma once

#include "practice/AnswerRecord.h"
#include "practice/Question.h"
#include "practice/SaveFailure.h"
#include "practice/Statistics.h"

namespace practice {

struct AnswerResult {
    Question question;
    AnswerRecord answer;  // what was given, right or wrong, and the response time
};

class RoundObserver {
  public:
    virtual ~RoundObserver() = default;
    // Set the staff up for `question` before it shows: the clef (SetClef), and for Read the
    // fixed note (SetFixedNote), for Place and Hear an empty staff that holds one note.
    virtual void ShowQuestion(const Question& question) = 0;
    // Sound `key` now (the staff's PlayNote): Hear's pitch, "play again", and after a wrong
    // answer the right pitch once.
    virtual void PlayKey(int key) = 0;
    // The answer was judged; after a wrong one the right note is to be shown beside it.
    virtual void ShowResult(const AnswerResult& result) = 0;
    // The round's last question was answered.
    virtual void ShowSummary(const RoundSummary& summary) = 0;
    // The progress file could not be written; called once a round, the round goes on
    // without saving. The owner tells the learner, in their language.
    virtual void ProgressNotSaved(const SaveFailure& failure) = 0;
};

}  // namespace practice
