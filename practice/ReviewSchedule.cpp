#include "practice/ReviewSchedule.h"

#include <algorithm>
#include <tuple>

namespace practice {

bool InRound(const NoteKey& key, const RoundSettings& settings) {
    return key.drill == settings.drill && InChoice(key.clef, settings.clef) &&
           key.step >= settings.lowStep && key.step <= settings.highStep;
}

void ReviewSchedule::Add(const AnswerRecord& answer, int day) {
    const auto [found, first] = m_notes.try_emplace(NoteKeyOf(answer), NoteSchedule{1, day});
    NoteSchedule& note = found->second;
    if (first) {
        return;
    }
    const int given = std::max(day, note.sinceDay);
    if (!answer.right) {
        note = {1, given};
    } else if (answer.ms <= NoteSchedule::kTargetMs && given >= note.DueDay()) {
        note = {std::min(note.box + 1, NoteSchedule::kBoxes), given};
    }
}

std::vector<DueNote> ReviewSchedule::DueOn(int today, const RoundSettings& settings) const {
    std::vector<DueNote> due;
    for (const auto& [key, note] : m_notes) {
        if (InRound(key, settings) && note.DueDay() <= today) {
            due.push_back({key, note.box, today - note.DueDay()});
        }
    }
    std::sort(due.begin(), due.end(), [](const DueNote& a, const DueNote& b) {
        return std::tie(a.box, b.daysOverdue, a.key) < std::tie(b.box, a.daysOverdue, b.key);
    });
    return due;
}

std::optional<int> ReviewSchedule::NextDueAfter(int today, const RoundSettings& settings) const {
    std::optional<int> next;
    for (const auto& [key, note] : m_notes) {
        if (InRound(key, settings) && note.DueDay() > today) {
            next = std::min(next.value_or(note.DueDay()), note.DueDay());
        }
    }
    return next;
}

}  // namespace practice
