#include "practice/Statistics.h"

#include <algorithm>
#include <cstdint>

namespace practice {

int MedianMs(std::vector<int>& ms) {
    if (ms.empty()) {
        return 0;
    }
    const auto middle = ms.begin() + static_cast<std::ptrdiff_t>(ms.size() / 2);
    std::nth_element(ms.begin(), middle, ms.end());
    if (ms.size() % 2 == 1) {
        return *middle;
    }
    const int below = *std::max_element(ms.begin(), middle);
    return static_cast<int>((std::int64_t{below} + *middle) / 2);
}

std::vector<StepStatistics> StepStatisticsOf(const History& history, Drill drill, ClefChoice clef,
                                             int lowStep, int highStep, int signature) {
    const auto inClef = [clef](Clef c) { return InChoice(c, clef); };
    std::vector<std::vector<int>> times(
        static_cast<std::size_t>(std::max(highStep - lowStep + 1, 0)));
    std::vector<StepStatistics> steps;
    for (int step = lowStep; step <= highStep; ++step) {
        steps.push_back({.step = step});
    }
    for (const AnswerRecord& answer : history.Answers()) {
        if (answer.drill != drill || !inClef(answer.clef) || answer.asked < lowStep ||
            answer.asked > highStep || answer.signature != signature ||
            answer.accidental != staff::Accidental::None) {
            continue;
        }
        const auto index = static_cast<std::size_t>(answer.asked - lowStep);
        ++steps[index].answers;
        steps[index].right += answer.right ? 1 : 0;
        times[index].push_back(answer.ms);
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i].medianMs = MedianMs(times[i]);
    }
    return steps;
}

std::vector<StepStatistics> WeakestSteps(std::vector<StepStatistics> steps) {
    std::erase_if(steps, [](const StepStatistics& s) { return s.answers == 0; });
    // Share right compared as right_a / answers_a < right_b / answers_b, without rounding.
    std::stable_sort(steps.begin(), steps.end(),
                     [](const StepStatistics& a, const StepStatistics& b) {
                         const std::int64_t left = std::int64_t{a.right} * b.answers;
                         const std::int64_t right = std::int64_t{b.right} * a.answers;
                         return left != right ? left < right : a.medianMs > b.medianMs;
                     });
    steps.resize(std::min<std::size_t>(steps.size(), 3));
    return steps;
}

RoundSummary SummaryOf(const std::vector<AnswerRecord>& answers, std::size_t first) {
    RoundSummary summary;
    std::vector<int> times;
    for (std::size_t i = first; i < answers.size(); ++i) {
        ++summary.total;
        summary.right += answers[i].right ? 1 : 0;
        times.push_back(answers[i].ms);
    }
    summary.medianMs = MedianMs(times);
    return summary;
}

}  // namespace practice
