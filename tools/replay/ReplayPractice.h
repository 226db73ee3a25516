// The practice rounds of canzet-replay: one round at a time on the session's staff, with a
// clock that moves only on `wait`, a history kept in memory or in a progress file, and a
// line on the output for each question, result, summary and statistics row.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "practice/History.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeRound.h"
#include "practice/ProgressFile.h"
#include "practice/RoundObserver.h"
#include "staff/StaffControl.h"

class ReplayPractice : public practice::RoundObserver {
  public:
    ReplayPractice(CStaffControl& staff, std::ostream& out);
    ~ReplayPractice() override;

    // Loads `file` as the history; the rounds after it append their answers to it.
    void UseHistoryFile(const std::string& file);
    // Starts a round with the signs and key chosen last (SetSignChoices), which start as
    // none and C major; with today's review on, the notes due today come first.
    void StartRound(practice::RoundSettings settings);
    void SetSignChoices(practice::AccidentalChoice accidentals, int key);
    practice::AccidentalChoice AccidentalsChoice() const { return m_accidentals; }
    int KeyChoice() const { return m_key; }
    void ReviewFirst(bool on) { m_bReviewFirst = on; }
    // The running round, or nullptr.
    practice::PracticeRound* Round() { return m_round.get(); }
    void Wait(int ms) { m_clock.Advance(ms); }
    // Now on the rounds' monotonic clock.
    std::int64_t NowMs() { return m_clock.MonotonicMs(); }
    practice::ManualClock& Clock() { return m_clock; }
    const practice::History& GetHistory() const { return m_history; }
    // The last round's choices, if a round was started.
    const std::optional<practice::RoundSettings>& Settings() const { return m_settings; }
    // One `stats` line for each step of the last round's range; false when there was none.
    bool PrintStats();
    // Confirms the step of the staff's note, if a Place or Hear question waits.
    bool ConfirmStaffNote();
    // From now on each Place question is followed by a `prompt` line naming its pitch so.
    void SetNames(staff::NameSystem names) { m_names = names; }

    void ShowQuestion(const practice::Question& question) override;
    void PlayKey(int key) override;
    void ShowResult(const practice::AnswerResult& result) override;
    void ShowSummary(const practice::RoundSummary& summary) override;
    void ProgressNotSaved(const practice::SaveFailure& failure) override;

  private:
    CStaffControl& m_staff;
    std::ostream& m_out;
    practice::ManualClock m_clock;
    practice::History m_history;
    std::unique_ptr<practice::ProgressFile> m_file;
    std::optional<practice::RoundSettings> m_settings;
    std::unique_ptr<practice::PracticeRound> m_round;
    std::optional<staff::NameSystem> m_names;
    practice::AccidentalChoice m_accidentals = practice::AccidentalChoice::None;
    int m_key = 0;
    // While signs or a key are chosen, questions and results are named as written.
    bool Signed() const { return m_accidentals != practice::AccidentalChoice::None || m_key != 0; }
    bool m_bReviewFirst = false;
};
