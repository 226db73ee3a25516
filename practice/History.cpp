#include "practice/History.h"

#include <algorithm>

namespace practice {
namespace {

std::size_t SlotOf(Drill drill, Clef clef, int step) {
    constexpr std::size_t kClefs = 4;
    const int clamped = std::clamp(step, kLowestAnyStep, kHighestAnyStep);
    return (static_cast<std::size_t>(drill) * kClefs + static_cast<std::size_t>(clef)) *
               kAnyStepCount +
           static_cast<std::size_t>(clamped - kLowestAnyStep);
}

}  // namespace

void History::Add(const AnswerRecord& answer) {
    StepRecord& record = m_steps[SlotOf(answer.drill, answer.clef, answer.asked)];
    record.lastAsked = Size();
    record.debt = answer.right ? std::max(record.debt - 1, 0) : kMaxDebt;
    record.averageMs = record.averageMs == 0 ? answer.ms : (3 * record.averageMs + answer.ms) / 4;
    m_answers.push_back(answer);
}

const StepRecord& History::Of(Drill drill, Clef clef, int step) const {
    return m_steps[SlotOf(drill, clef, step)];
}

}  // namespace practice
