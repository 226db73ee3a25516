// The figures of the progress chart: for each of the last N days, today last, the answers,
// the share right, the notes per minute of the right answers and whether the goal was met;
// and the same over the whole span, for the words beside the chart.
#pragma once

#include <vector>

#include "practice/DailyGoal.h"

namespace practice {

struct ChartDay {
    int day = 0;  // the learner's day number
    int answers = 0;
    int percentRight = 0;    // rounded down; 0 without answers
    int notesPerMinute = 0;  // rounded to the nearest; 0 without right answers
    bool goalMet = false;
};

struct ChartFigures {
    static constexpr int kTargetNotesPerMinute = 30;

    std::vector<ChartDay> days;  // oldest first
    int practisedDays = 0;
    int percentRight = 0;    // of every answer in the span
    int notesPerMinute = 0;  // of every right answer in the span
};

ChartFigures ChartFiguresOf(const DailyTotals& totals, int today, int count, const DailyGoal& goal);

}  // namespace practice
