// The learner's days: a day runs from 04:00 to 04:00 local time, so that a late evening's
// practice counts for that evening. The time zone is the system's (TZ on Linux, the
// control panel's or TZ on Windows), read through the C library.
//
// Days are numbered as calendar dates, 0 for 1970-01-01.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace practice {

class LocalCalendar {
  public:
    static constexpr int kDayStartsAtHour = 4;

    // The learner's day of a moment. Answers come mostly in order, so the bounds of the
    // last day found are kept and most calls are two comparisons.
    int DayOf(std::int64_t utcMs);
    // Noon, local time, of `day`.
    static std::int64_t NoonOf(int day);

    // "2026-12-08" and back; nullopt for anything else.
    static std::string DateOf(int day);
    static std::optional<int> DayNamed(std::string_view date);

  private:
    std::int64_t m_startMs = 0;  // the cached day: [m_startMs, m_endMs)
    std::int64_t m_endMs = 0;
    int m_day = 0;
};

}  // namespace practice
