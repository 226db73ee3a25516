// One day's totals as canzet-replay's `days` and `canzet --export-days` write them: the
// minutes of answering and the notes per minute with one decimal, written with a dot.
#pragma once

#include <ostream>
#include <string>

#include "practice/DailyGoal.h"

namespace practice {

struct DayRow {
    std::string date;  // 2026-12-08
    int answers = 0;
    int right = 0;
    std::string minutes;         // "4.5"
    std::string notesPerMinute;  // "26.7", of the right answers
    bool goalMet = false;
};

DayRow DayRowOf(const DailyTotals& totals, int day, const DailyGoal& goal);
// date,answers,right,minutes,notes_per_minute,goal_met: a row for every day from the first
// practised to `today` (or the last practised, if later), days without practice too.
void WriteDaysCsv(const DailyTotals& totals, int today, const DailyGoal& goal, std::ostream& out);

}  // namespace practice
