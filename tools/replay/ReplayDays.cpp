#include "tools/replay/ReplayDays.h"

#include "practice/DayRow.h"
#include "practice/LocalCalendar.h"
#include "practice/PracticeDays.h"

using namespace practice;

void ReplayDays::SetToday(int day) {
    m_practice.Clock().SetUtcMs(LocalCalendar::NoonOf(day));
}

bool ReplayDays::PrintDue() {
    const auto& settings = m_practice.Settings();
    if (!settings) {
        return false;
    }
    PracticeDays days = PracticeDays::Of(m_practice.GetHistory());
    const int today = days.DayOf(m_practice.Clock().UtcMs());
    for (const DueNote& note : days.Schedule().DueOn(today, *settings)) {
        m_out << "due " << NameOf(note.key.clef) << ' ' << note.key.step << ' ' << note.box << ' '
              << note.daysOverdue << '\n';
    }
    m_out << std::flush;
    return true;
}

void ReplayDays::PrintStreak() {
    PracticeDays days = PracticeDays::Of(m_practice.GetHistory());
    const int today = days.DayOf(m_practice.Clock().UtcMs());
    m_out << "streak " << days.Totals().Streak(today, m_goal) << ' '
          << m_goal.DoneOn(days.Totals().On(today)) << ' ' << m_goal.amount << '\n'
          << std::flush;
}

void ReplayDays::PrintDays(int count) {
    PracticeDays days = PracticeDays::Of(m_practice.GetHistory());
    const int today = days.DayOf(m_practice.Clock().UtcMs());
    for (int day = today - count + 1; day <= today; ++day) {
        const DayRow row = DayRowOf(days.Totals(), day, m_goal);
        m_out << "day " << row.date << ' ' << row.answers << ' ' << row.right << ' ' << row.minutes
              << ' ' << row.notesPerMinute << ' ' << (row.goalMet ? "yes" : "no") << '\n';
    }
    m_out << std::flush;
}
