// Every answer the learner has given, oldest first, and what the choice of the next
// question reads from it for each drill, clef and step, kept up to date answer by answer
// so that choosing never walks the whole history.
#pragma once

#include <cstdint>
#include <vector>

#include "practice/AnswerRecord.h"
#include "practice/Drill.h"

namespace practice {

// One drill, clef and written note (step and sign) under one key: how it stands with this
// learner.
struct StepRecord {
    std::int64_t lastAsked = -1;  // index of its latest answer in the history; -1: never asked
    // Leitner-like debt: a wrong answer sets it to kMaxDebt, each right answer takes one off,
    // so after kMaxDebt right answers running the step weighs as any other.
    int debt = 0;
    // Moving average of the response time (ms), a quarter for each new answer; 0: none yet.
    std::int64_t averageMs = 0;
};

class History {
  public:
    static constexpr int kMaxDebt = 10;

    void Add(const AnswerRecord& answer);
    // Room for `answers` in all, so that a long history is not copied as it grows.
    void Reserve(std::size_t answers) { m_answers.reserve(answers); }
    const std::vector<AnswerRecord>& Answers() const { return m_answers; }
    std::int64_t Size() const { return static_cast<std::int64_t>(m_answers.size()); }
    const StepRecord& Of(Drill drill, Clef clef, int step,
                         staff::Accidental accidental = staff::Accidental::None,
                         int signature = 0) const;

  private:
    static constexpr std::size_t kSlots =
        std::size_t{3} * 4 * kAnyStepCount * 4 * (2 * staff::kMaxSignature + 1);

    std::vector<AnswerRecord> m_answers;
    std::vector<StepRecord> m_steps = std::vector<StepRecord>(kSlots);
};

}  // namespace practice
