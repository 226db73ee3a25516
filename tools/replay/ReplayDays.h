// Practice across days in canzet-replay: the learner's date, the daily goal, and lines for
// the notes due, the streak and each day's totals, all made from the session's history.
#pragma once

#include <ostream>

#include "practice/DailyGoal.h"
#include "tools/replay/ReplayPractice.h"

class ReplayDays {
  public:
    ReplayDays(ReplayPractice& practice, std::ostream& out) : m_practice(practice), m_out(out) {}

    // Sets the clock to noon, local time, on `day`.
    void SetToday(int day);
    void SetGoal(const practice::DailyGoal& goal) { m_goal = goal; }
    // `due CLEF STEP BOX DAYS_OVERDUE` for the last round's notes, weakest first; false
    // when no round was started.
    bool PrintDue();
    // `streak DAYS TODAY_DONE TODAY_GOAL`.
    void PrintStreak();
    // `day DATE ANSWERS RIGHT MINUTES NPM GOAL` for the last `count` days, today last.
    void PrintDays(int count);

  private:
    ReplayPractice& m_practice;
    std::ostream& m_out;
    practice::DailyGoal m_goal;
};
