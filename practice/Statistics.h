// What the history says of a learner, for one drill and one or both clefs.
#pragma once

#include <vector>

#include "practice/History.h"

namespace practice {

struct StepStatistics {
    int step = 0;
    int answers = 0;
    int right = 0;
    int medianMs = 0;  // 0 when there are no answers
    // Share right in percent, rounded down; 0 when there are no answers.
    int PercentRight() const { return answers == 0 ? 0 : right * 100 / answers; }
};

struct RoundSummary {
    int right = 0;
    int total = 0;
    int medianMs = 0;
};

// One entry per step from lowStep to highStep, over every answer of `drill` in the clefs
// of `clef` (both clefs together for ClefChoice::Both) asked as a note without a sign of
// its own under the key `signature` (0: C major, the only key of older answers).
std::vector<StepStatistics> StepStatisticsOf(const History& history, Drill drill, ClefChoice clef,
                                             int lowStep, int highStep, int signature = 0);
// The three weakest of `steps` that have answers: lowest share right, then slowest median.
std::vector<StepStatistics> WeakestSteps(std::vector<StepStatistics> steps);
// Right/total and median time of answers[first..].
RoundSummary SummaryOf(const std::vector<AnswerRecord>& answers, std::size_t first);
// The median of `ms` (the mean of the middle two for an even count, rounded down); 0 if
// empty. Reorders `ms`.
int MedianMs(std::vector<int>& ms);

}  // namespace practice
