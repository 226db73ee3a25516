// When each note comes back across days: a Leitner-like box per note, made from its
// answers and never kept apart from them.
//
// The rule: a note's first answer puts it in box 1. Box b waits 2^(b-1) days (1, 2, 4, 8,
// 16, 32) from the day the note entered it; then the note is due. A wrong answer sends it
// back to box 1 on the day it is given. A right answer within the target time (the speed
// of 30 notes a minute, 2 s) given on or after the due day moves it up one box, to at most
// the sixth; a right answer before that day, or a slow one, leaves it where it is, so that
// a note drilled ten times in one sitting is not put off for a month. An answer stamped
// before the day its note entered its box (a clock set back) counts as given on that day.
#pragma once

#include <optional>
#include <unordered_map>
#include <vector>

#include "practice/AnswerRecord.h"
#include "practice/NoteKey.h"
#include "practice/RoundSettings.h"

namespace practice {

struct NoteSchedule {
    static constexpr int kBoxes = 6;
    static constexpr int kTargetMs = 2000;

    int box = 1;       // 1..kBoxes
    int sinceDay = 0;  // the day it entered its box

    int IntervalDays() const { return 1 << (box - 1); }
    int DueDay() const { return sinceDay + IntervalDays(); }
};

struct DueNote {
    NoteKey key;
    int box = 1;
    int daysOverdue = 0;  // 0: due today
};

class ReviewSchedule {
  public:
    // `day` is the learner's day of the answer (LocalCalendar).
    void Add(const AnswerRecord& answer, int day);

    // The notes of a round of `settings` (its drill, clefs and range) due on `today`,
    // weakest first: the lowest box, then the longest overdue, then clef and step.
    std::vector<DueNote> DueOn(int today, const RoundSettings& settings) const;
    // The earliest day after `today` on which one of them comes due; nullopt when none was
    // ever answered.
    std::optional<int> NextDueAfter(int today, const RoundSettings& settings) const;

  private:
    // Looked up once an answer, across a history of years: hashed, not ordered.
    std::unordered_map<NoteKey, NoteSchedule, NoteKeyHash> m_notes;
};

// Whether the note belongs to a round of `settings`.
bool InRound(const NoteKey& key, const RoundSettings& settings);

}  // namespace practice
