// The practice dialog's days: the daily goal chosen in a list, today's progress towards it
// with the streak ("今天 3/5 分钟 · 连续 4 天"), how many notes are due today (or when the next
// one is), and whether a round asks today's review first. The goal met is said once, in
// words. Its figures are worked out from the history when the dialog opens and kept up to
// date answer by answer.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "platform/CStatic.h"
#include "practice/DailyGoal.h"
#include "practice/NoteKey.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeDays.h"

class CPracticeToday {
  public:
    explicit CPracticeToday(practice::PracticeClock& clock) : m_clock(clock) {}

    void Exchange(CDataExchange* pDX);
    // Works the days out of `history`, reads the goal kept beside `progressFile` (none: the
    // goal is not kept) and fills the lists; today's review is chosen when anything is due.
    void Open(const practice::History& history, const std::filesystem::path& progressFile,
              const practice::RoundSettings& settings);
    // The notes a round of `settings` asks first: today's due notes, weakest first, when
    // today's review is chosen.
    std::vector<practice::NoteKey> AskFirst(const practice::RoundSettings& settings);
    // The days worked out again from a history that came later; today's review is chosen
    // when anything is due.
    void Reload(const practice::History& history, const practice::RoundSettings& settings);
    void Answered(const practice::AnswerRecord& answer, const practice::RoundSettings& settings);
    // The goal list changed: keeps the new goal.
    void GoalChosen(const practice::RoundSettings& settings);
    // The lines again, for the round's choices.
    void Show(const practice::RoundSettings& settings);

    const practice::PracticeDays& Days() const { return m_days; }
    const practice::DailyGoal& Goal() const { return m_goal; }

    int Today();

  private:
    std::string TodayLine();
    std::string DueLine(const practice::RoundSettings& settings);

    practice::PracticeClock& m_clock;
    practice::PracticeDays m_days;
    practice::DailyGoal m_goal;
    std::filesystem::path m_goalFile;
    CComboBox m_cboGoal;
    CComboBox m_cboReview;
    CStatic m_stcToday;
    CStatic m_stcDue;
    std::string m_today;
    std::string m_due;
    int m_nToldMetOn = -1;  // the day the goal met was said
};
