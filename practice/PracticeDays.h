// The history seen across the learner's days: each note's review schedule and each day's
// totals. It is made from the answers alone, and kept up to date answer by answer.
#pragma once

#include <cstdint>

#include "practice/DailyGoal.h"
#include "practice/History.h"
#include "practice/LocalCalendar.h"
#include "practice/ReviewSchedule.h"

namespace practice {

class PracticeDays {
  public:
    static PracticeDays Of(const History& history);

    void Add(const AnswerRecord& answer);
    int DayOf(std::int64_t utcMs) { return m_calendar.DayOf(utcMs); }
    const ReviewSchedule& Schedule() const { return m_schedule; }
    const DailyTotals& Totals() const { return m_totals; }

  private:
    LocalCalendar m_calendar;
    ReviewSchedule m_schedule;
    DailyTotals m_totals;
};

}  // namespace practice
