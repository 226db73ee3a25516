#include "practice/PracticeDays.h"

namespace practice {

PracticeDays PracticeDays::Of(const History& history) {
    PracticeDays days;
    for (const AnswerRecord& answer : history.Answers()) {
        days.Add(answer);
    }
    return days;
}

void PracticeDays::Add(const AnswerRecord& answer) {
    const int day = m_calendar.DayOf(answer.utcMs);
    m_schedule.Add(answer, day);
    m_totals.Add(answer, day);
}

}  // namespace practice
