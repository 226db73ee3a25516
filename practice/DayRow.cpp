#include "practice/DayRow.h"

#include <algorithm>

#include "practice/LocalCalendar.h"

namespace practice {
namespace {

std::string Tenths(int tenths) {
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10);
}

}  // namespace

DayRow DayRowOf(const DailyTotals& totals, int day, const DailyGoal& goal) {
    const DayTotals t = totals.On(day);
    return {LocalCalendar::DateOf(day),         t.answers,    t.right, Tenths(t.TenthsOfMinutes()),
            Tenths(t.TenthsOfNotesPerMinute()), goal.MetOn(t)};
}

void WriteDaysCsv(const DailyTotals& totals, int today, const DailyGoal& goal, std::ostream& out) {
    out << "date,answers,right,minutes,notes_per_minute,goal_met\r\n";
    if (totals.Days().empty()) {
        return;
    }
    const int last = std::max(today, totals.Days().rbegin()->first);
    for (int day = totals.Days().begin()->first; day <= last; ++day) {
        const DayRow row = DayRowOf(totals, day, goal);
        out << row.date << ',' << row.answers << ',' << row.right << ',' << row.minutes << ','
            << row.notesPerMinute << ',' << (row.goalMet ? "true" : "false") << "\r\n";
    }
}

}  // namespace practice
