#include "practice/DailyGoal.h"

namespace practice {

std::string_view NameOf(DailyGoal::Kind kind) {
    return kind == DailyGoal::Kind::Minutes ? "minutes" : "answers";
}

std::optional<DailyGoal::Kind> GoalKindNamed(std::string_view name) {
    if (name == "minutes") {
        return DailyGoal::Kind::Minutes;
    }
    if (name == "answers") {
        return DailyGoal::Kind::Answers;
    }
    return std::nullopt;
}

void DailyTotals::Add(const AnswerRecord& answer, int day) {
    if (m_last.totals == nullptr || m_last.day != day) {
        m_last.day = day;
        m_last.totals = &m_days[day];
    }
    DayTotals& totals = *m_last.totals;
    ++totals.answers;
    totals.ms += answer.ms;
    if (answer.right) {
        ++totals.right;
        totals.rightMs += answer.ms;
    }
}

DayTotals DailyTotals::On(int day) const {
    const auto found = m_days.find(day);
    return found == m_days.end() ? DayTotals{} : found->second;
}

int DailyTotals::Streak(int today, const DailyGoal& goal) const {
    int streak = goal.MetOn(On(today)) ? 1 : 0;
    // Back from yesterday while each day has answers; days after today (a clock set back)
    // neither count nor end it.
    auto at = m_days.lower_bound(today);
    for (int day = today - 1; at != m_days.begin(); --day) {
        --at;
        if (at->first != day) {
            break;
        }
        streak += goal.MetOn(at->second) ? 1 : 0;
    }
    return streak;
}

}  // namespace practice
