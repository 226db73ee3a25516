#include "practice/ChartDays.h"

namespace practice {
namespace {

int PerMinute(std::int64_t right, std::int64_t ms) {
    return ms == 0 ? 0 : static_cast<int>((right * 60000 + ms / 2) / ms);
}

}  // namespace

ChartFigures ChartFiguresOf(const DailyTotals& totals, int today, int count,
                            const DailyGoal& goal) {
    ChartFigures figures;
    DayTotals span;
    for (int day = today - count + 1; day <= today; ++day) {
        const DayTotals t = totals.On(day);
        figures.days.push_back({day, t.answers, t.answers == 0 ? 0 : t.right * 100 / t.answers,
                                PerMinute(t.right, t.rightMs), goal.MetOn(t)});
        figures.practisedDays += t.answers > 0 ? 1 : 0;
        span.answers += t.answers;
        span.right += t.right;
        span.rightMs += t.rightMs;
    }
    figures.percentRight = span.answers == 0 ? 0 : span.right * 100 / span.answers;
    figures.notesPerMinute = PerMinute(span.right, span.rightMs);
    return figures;
}

}  // namespace practice
