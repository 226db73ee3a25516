// The learner's daily goal and streak.
//
// The goal is minutes of answering (the response times added up) or a number of answers.
// The streak counts the days up to today on which the goal was met, going back until a day
// without practice: a day practised short of the goal does not count but does not end it,
// and today, not over yet, counts once its goal is met.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string_view>

#include "practice/AnswerRecord.h"

namespace practice {

struct DayTotals {
    int answers = 0;
    int right = 0;
    std::int64_t ms = 0;       // answering time of all answers
    std::int64_t rightMs = 0;  // and of the right ones

    // Whole minutes of answering, rounded down, and tenths of them.
    int Minutes() const { return static_cast<int>(ms / 60000); }
    int TenthsOfMinutes() const { return static_cast<int>(ms / 6000); }
    // Right answers per minute of their answering time, in tenths; 0 with none.
    int TenthsOfNotesPerMinute() const {
        return rightMs == 0 ? 0 : static_cast<int>(std::int64_t{right} * 600000 / rightMs);
    }
};

struct DailyGoal {
    enum class Kind { Minutes, Answers };
    Kind kind = Kind::Minutes;
    int amount = 5;

    // Today's progress in the goal's unit: whole minutes or answers.
    int DoneOn(const DayTotals& day) const {
        return kind == Kind::Minutes ? day.Minutes() : day.answers;
    }
    bool MetOn(const DayTotals& day) const {
        return kind == Kind::Minutes ? day.ms >= std::int64_t{amount} * 60000
                                     : day.answers >= amount;
    }
    bool operator==(const DailyGoal&) const = default;
};

// "minutes", "answers".
std::string_view NameOf(DailyGoal::Kind kind);
std::optional<DailyGoal::Kind> GoalKindNamed(std::string_view name);

// Every day with an answer, by the learner's day number.
class DailyTotals {
  public:
    void Add(const AnswerRecord& answer, int day);
    DayTotals On(int day) const;
    const std::map<int, DayTotals>& Days() const { return m_days; }
    int Streak(int today, const DailyGoal& goal) const;

  private:
    std::map<int, DayTotals> m_days;
    // The day the last answer fell on, answers coming mostly in order; a copy or a move
    // starts without it.
    struct LastDay {
        int day = 0;
        DayTotals* totals = nullptr;
        LastDay() = default;
        LastDay(const LastDay&) {}
        LastDay& operator=(const LastDay&) {
            totals = nullptr;
            return *this;
        }
    } m_last;
};

}  // namespace practice
