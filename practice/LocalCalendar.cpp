#include "practice/LocalCalendar.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace practice {
namespace {

using namespace std::chrono;

std::tm LocalTm(std::int64_t utcMs) {
    const std::time_t seconds =
        static_cast<std::time_t>(floor<std::chrono::seconds>(milliseconds(utcMs)).count());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return local;
}

int DayNumber(int y, unsigned m, unsigned d) {
    return static_cast<int>(
        sys_days(year_month_day{year{y}, month{m}, day{d}}).time_since_epoch().count());
}

// The moment `day` shows `hour`:00 on the local clock.
std::int64_t LocalHourOf(int dayNumber, int hour) {
    const year_month_day date{sys_days(days(dayNumber))};
    std::tm local{};
    local.tm_year = static_cast<int>(date.year()) - 1900;
    local.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    local.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    local.tm_hour = hour;
    local.tm_isdst = -1;  // whatever the zone says for that date
    return std::int64_t{std::mktime(&local)} * 1000;
}

}  // namespace

int LocalCalendar::DayOf(std::int64_t utcMs) {
    if (utcMs >= m_startMs && utcMs < m_endMs) {
        return m_day;
    }
    const std::tm local = LocalTm(utcMs);
    m_day = DayNumber(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                      static_cast<unsigned>(local.tm_mday)) -
            (local.tm_hour < kDayStartsAtHour ? 1 : 0);
    m_startMs = LocalHourOf(m_day, kDayStartsAtHour);
    m_endMs = LocalHourOf(m_day + 1, kDayStartsAtHour);
    if (utcMs < m_startMs || utcMs >= m_endMs) {
        m_endMs = m_startMs;  // a zone's odd hour: no cache rather than a wrong one
    }
    return m_day;
}

std::int64_t LocalCalendar::NoonOf(int day) {
    return LocalHourOf(day, 12);
}

std::string LocalCalendar::DateOf(int day) {
    const year_month_day date{sys_days(days(day))};
    char text[16];
    std::snprintf(text, sizeof(text), "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<int> LocalCalendar::DayNamed(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') {
        return std::nullopt;
    }
    const auto number = [&](std::size_t at, std::size_t digits) -> std::optional<int> {
        int value = 0;
        const char* first = date.data() + at;
        const auto [end, error] = std::from_chars(first, first + digits, value);
        return error == std::errc() && end == first + digits ? std::optional(value) : std::nullopt;
    };
    const auto y = number(0, 4);
    const auto m = number(5, 2);
    const auto d = number(8, 2);
    if (!y || !m || !d || *m < 1 || *d < 1) {
        return std::nullopt;
    }
    const year_month_day ymd{year{*y}, month{static_cast<unsigned>(*m)},
                             day{static_cast<unsigned>(*d)}};
    if (!ymd.ok()) {
        return std::nullopt;
    }
    return DayNumber(*y, static_cast<unsigned>(*m), static_cast<unsigned>(*d));
}

}  // namespace practice
