#include "practice/QuestionChooser.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace practice {
namespace {

// Ages count in eighths, so that the jitter can fall between two whole answers.
constexpr std::int64_t kAgeUnit = 8;

using staff::Accidental;

struct Candidate {
    Clef clef;
    int step;
    Accidental accidental;
};

struct Candidates {
    std::array<Candidate, 2 * kAnyStepCount * 4> items{};
    std::size_t count = 0;

    void Add(const Candidate& c) { items[count++] = c; }
};

// The signs a step is asked with: none, and each that sounds it otherwise than the key does,
// leaving out the note's own E#, B#, Cb and Fb, which a learner meets in few pieces.
std::vector<Accidental> SignsOf(Clef clef, int step, const RoundSettings& settings) {
    std::vector<Accidental> signs{Accidental::None};
    if (settings.accidentals == AccidentalChoice::None) {
        return signs;
    }
    const int letter = staff::LetterOf(staff::LetterStepAt(MiddleLineOf(clef), 7 - step));
    const int inKey = staff::SignatureAlter(settings.key, letter);
    constexpr int kE = 2, kF = 3, kB = 6, kC = 0;
    if (inKey != 1 && letter != kE && letter != kB) {
        signs.push_back(Accidental::Sharp);
    }
    if (inKey != -1 && letter != kC && letter != kF) {
        signs.push_back(Accidental::Flat);
    }
    if (inKey != 0) {
        signs.push_back(Accidental::Natural);
    }
    return signs;
}

Candidates CandidatesOf(const RoundSettings& settings, const std::optional<Question>& previous) {
    Candidates all;
    for (const Clef clef : {Clef::Treble, Clef::Bass, Clef::Alto, Clef::Tenor}) {
        const bool inRound = InChoice(clef, settings.clef);
        for (int step = settings.lowStep; inRound && step <= settings.highStep; ++step) {
            for (const Accidental accidental : SignsOf(clef, step, settings)) {
                all.Add({clef, step, accidental});
            }
        }
    }
    if (all.count == 1 || !previous || previous->drill != settings.drill) {
        return all;
    }
    Candidates others;
    for (std::size_t i = 0; i < all.count; ++i) {
        const Candidate& c = all.items[i];
        if (c.clef != previous->clef || c.step != previous->step ||
            c.accidental != previous->accidental) {
            others.Add(c);
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

int QuestionChooser::DrawKey() {
    return static_cast<int>(Draw() % (2 * staff::kMaxSignature + 1)) - staff::kMaxSignature;
}

Question QuestionChooser::Next(const RoundSettings& settings, const History& history,
                               const std::optional<Question>& previous) {
    const Candidates candidates = CandidatesOf(settings, previous);
    const auto record = [&](const Candidate& c) -> const StepRecord& {
        return history.Of(settings.drill, c.clef, c.step, c.accidental, settings.key);
    };
    const auto question = [&](const Candidate& c) {
        return Question{.drill = settings.drill,
                        .clef = c.clef,
                        .step = c.step,
                        .accidental = c.accidental,
                        .signature = settings.key};
    };

    Candidates unseen;
    std::int64_t totalMs = 0;
    std::int64_t timed = 0;
    for (std::size_t i = 0; i < candidates.count; ++i) {
        const Candidate& c = candidates.items[i];
        if (record(c).lastAsked < 0) {
            unseen.Add(c);
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
