#include "practice/QuestionChooser.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace practice {
namespace {

// Ages count in eighths, so that the jitter can fall between two whole answers.
constexpr std::int64_t kAgeUnit = 8;

struct Candidate {
    Clef clef;
    int step;
};

struct Candidates {
    std::array<Candidate, 2 * kAnyStepCount> items{};
    std::size_t count = 0;

    void Add(Clef clef, int step) { items[count++] = {clef, step}; }
};

Candidates CandidatesOf(const RoundSettings& settings, const std::optional<Question>& previous) {
    Candidates all;
    for (const Clef clef : {Clef::Treble, Clef::Bass, Clef::Alto, Clef::Tenor}) {
        const bool inRound = InChoice(clef, settings.clef);
        for (int step = settings.lowStep; inRound && step <= settings.highStep; ++step) {
            all.Add(clef, step);
        }
    }
    if (all.count == 1 || !previous || previous->drill != settings.drill) {
        return all;
    }
    Candidates others;
    for (std::size_t i = 0; i < all.count; ++i) {
        const Candidate& c = all.items[i];
        if (c.clef != previous->clef || c.step != previous->step) {
            others.Add(c.clef, c.step);
        }
    }
    return others;
}

}  // namespace

QuestionChooser::QuestionChooser(std::uint64_t seed) : m_state(seed) {}

// splitmix64: the same numbers on every platform and standard library.
std::uint64_t QuestionChooser::Draw() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

Question QuestionChooser::Next(const RoundSettings& settings, const History& history,
                               const std::optional<Question>& previous) {
    const Candidates candidates = CandidatesOf(settings, previous);
    const auto record = [&](const Candidate& c) -> const StepRecord& {
        return history.Of(settings.drill, c.clef, c.step);
    };
    const auto question = [&](const Candidate& c) {
        return Question{.drill = settings.drill, .clef = c.clef, .step = c.step};
    };

    Candidates unseen;
    std::int64_t totalMs = 0;
    std::int64_t timed = 0;
    for (std::size_t i = 0; i < candidates.count; ++i) {
        const Candidate& c = candidates.items[i];
        if (record(c).lastAsked < 0) {
            unseen.Add(c.clef, c.step);
        } else if (record(c).averageMs > 0) {
            totalMs += record(c).averageMs;
            ++timed;
        }
    }
    if (unseen.count > 0) {
        return question(unseen.items[Draw() % unseen.count]);
    }

    const std::int64_t jitterSpan =
        std::max<std::int64_t>(1, static_cast<std::int64_t>(candidates.count) * kAgeUnit / 3);
    std::size_t best = 0;
    std::int64_t bestPriority = -1;
    for (std::size_t i = 0; i < candidates.count; ++i) {
        const StepRecord& r = record(candidates.items[i]);
        // Weights in halves: 1 and the debt, and a half while answered slowly.
        const bool slow = timed > 0 && r.averageMs * 2 * timed > totalMs * 3;
        const std::int64_t weight = 2 * (1 + r.debt) + (slow ? 1 : 0);
        const std::int64_t age = (history.Size() - r.lastAsked) * kAgeUnit +
                                 static_cast<std::int64_t>(Draw() % jitterSpan);
        if (weight * age > bestPriority) {
            bestPriority = weight * age;
            best = i;
        }
    }
    return question(candidates.items[best]);
}

}  // namespace practice
