// What one question asks, as the schedule across days tells notes apart: the drill, the
// clef and the staff step. A question that comes to carry more (an accidental, a key) adds
// its field here, and every per-note record follows.
#pragma once

#include <compare>
#include <cstddef>

#include "practice/AnswerRecord.h"
#include "practice/Drill.h"

namespace practice {

struct NoteKey {
    Drill drill = Drill::Read;
    Clef clef = Clef::Treble;
    int step = kLowestStep;

    auto operator<=>(const NoteKey&) const = default;
};

struct NoteKeyHash {
    std::size_t operator()(const NoteKey& key) const {
        return (static_cast<std::size_t>(key.drill) * 31 + static_cast<std::size_t>(key.clef)) *
                   131 +
               static_cast<std::size_t>(key.step);
    }
};

inline NoteKey NoteKeyOf(const AnswerRecord& answer) {
    return {answer.drill, answer.clef, answer.asked};
}

}  // namespace practice
