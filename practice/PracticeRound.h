// One practice round: asks, times, judges, keeps each answer and chooses the next question.
//
// The owner starts it, then feeds it the learner's inputs; it calls the owner back through
// RoundObserver. A question shows (ShowQuestion, and for Hear PlayKey) at Start and at
// each Next; an answer is taken only while a question waits for one. The response time
// runs from the question showing (for Hear, its pitch starting) to the confirming input,
// on the round's clock. After an answer: ShowResult, for a wrong one PlayKey with the right
// pitch, then the answer is appended to the progress file and flushed; only then may Next
// show another question.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "practice/History.h"
#include "practice/NoteKey.h"
#include "practice/PracticeClock.h"
#include "practice/ProgressFile.h"
#include "practice/QuestionChooser.h"
#include "practice/RoundObserver.h"
#include "practice/RoundSettings.h"

namespace practice {

enum class RoundState { Asking, Answered, Finished };

class PracticeRound {
  public:
    // `settings` are Valid(); a round of a new key each draws its key here, and Settings()
    // then names it. `progress` may be nullptr: the answers then go to `history`
    // alone. History, clock, progress file and observer outlive the round.
    PracticeRound(const RoundSettings& settings, History& history, PracticeClock& clock,
                  ProgressFile* progress, RoundObserver& observer);

    const RoundSettings& Settings() const { return m_settings; }
    RoundState State() const { return m_state; }
    // The question asked or just answered.
    const Question& Current() const { return m_question; }

    // Before Start: the notes to ask first, in this order (today's review, weakest first);
    // the round's own rule chooses once they are asked.
    void AskFirst(std::vector<NoteKey> notes);
    // Shows the first question.
    void Start();
    // Read: the letter 'C'..'B' (either case) and its sign, +1 sharp, -1 flat, 0 none; right
    // when spelled as the note sounds. False when no Read question waits or the letter is
    // none of these.
    bool AnswerLetter(char letter, int alter = 0);
    // Place and Hear: the step where the learner's note lies (0 when the staff holds none)
    // and the sign it carries. Place is right when the note is the asked pitch spelled as
    // asked, Hear when it sounds the asked key. False when no Place or Hear question waits.
    bool ConfirmStep(int step, staff::Accidental accidental = staff::Accidental::None);
    // Any drill: the MIDI key the learner played, which started at `startedMs` on the
    // round's monotonic clock; the response time runs to then. Right when it sounds the asked
    // pitch, octave included, however the note is spelled. False when no question waits.
    bool AnswerKey(int key, std::int64_t startedMs);
    // Hear: sounds the pitch again; counts for nothing and leaves the time running.
    bool PlayAgain();
    // After an answer: the next question, or the end of the round. False while a question
    // waits for its answer, or once the round is over.
    bool Next();
    // Ends an endless round (or any round) after the answered question.
    void Stop();

    // Questions answered and right in this round, and right answers running.
    int Answered() const;
    int Right() const;
    int RightInARow() const { return m_rightInARow; }
    RoundSummary Summary() const;
    // The round's own answers, in order.
    std::span<const AnswerRecord> Answers() const;
    // The history was replaced by one where the round's answers begin at `firstAnswer`.
    void HistoryReplaced(std::size_t firstAnswer) { m_firstAnswer = firstAnswer; }

  private:
    void Ask();
    // `givenAtMs`: when the answer began, on the monotonic clock; now when not given.
    void Judge(AnswerRecord given, bool right,
               std::optional<std::int64_t> givenAtMs = std::nullopt);

    RoundSettings m_settings;
    History& m_history;
    PracticeClock& m_clock;
    ProgressFile* m_progress;
    RoundObserver& m_observer;
    QuestionChooser m_chooser;
    std::vector<NoteKey> m_askFirst;
    std::size_t m_nAskedFirst = 0;
    RoundState m_state = RoundState::Asking;
    Question m_question;
    std::optional<Question> m_previous;
    std::int64_t m_shownMs = 0;
    std::size_t m_firstAnswer;
    int m_rightInARow = 0;
    bool m_toldNotSaved = false;
    // Signs or a key were chosen (a new key each round may draw C major): the owner's staff
    // then writes played keys with signs, and so does the record.
    bool m_bSigns = false;
};

}  // namespace practice
