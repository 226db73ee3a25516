#include "practice/History.h"

#include <algorithm>

namespace practice {
namespace {

std::size_t SlotOf(Drill drill, Clef clef, int step, staff::Accidental accidental, int signature) {
    constexpr std::size_t kClefs = 4;
    const int clamped = std::clamp(step, kLowestAnyStep, kHighestAnyStep);
    const int key = std::clamp(signature, -staff::kMaxSignature, staff::kMaxSignature);
    const std::size_t note =
        (static_cast<std::size_t>(drill) * kClefs + static_cast<std::size_t>(clef)) *
            kAnyStepCount +
        static_cast<std::size_t>(clamped - kLowestAnyStep);
    return (note * 4 + static_cast<std::size_t>(accidental)) * (2 * staff::kMaxSignature + 1) +
           static_cast<std::size_t>(key + staff::kMaxSignature);
}

}  // namespace

void History::Add(const AnswerRecord& answer) {
    StepRecord& record = m_steps[SlotOf(answer.drill, answer.clef, answer.asked, answer.accidental,
                                        answer.signature)];
    record.lastAsked = Size();
    record.debt = answer.right ? std::max(record.debt - 1, 0) : kMaxDebt;
    record.averageMs = record.averageMs == 0 ? answer.ms : (3 * record.averageMs + answer.ms) / 4;
    m_answers.push_back(answer);
}

const StepRecord& History::Of(Drill drill, Clef clef, int step, staff::Accidental accidental,
                              int signature) const {
    return m_steps[SlotOf(drill, clef, step, accidental, signature)];
}

}  // namespace practice
