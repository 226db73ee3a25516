// The answer's time in ISO 8601, UTC, to the millisecond.
#include <charconv>
#include <chrono>
#include <cstdio>

#include "practice/ProgressFile.h"

namespace practice {
namespace {

using namespace std::chrono;

struct Parts {
    int year;
    unsigned month, day;
    long hours, minutes, seconds, ms;
};

Parts PartsOf(std::int64_t utcMs) {
    const sys_time<milliseconds> time{milliseconds(utcMs)};
    const sys_days day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss<milliseconds> clock(time - day);
    return {static_cast<int>(date.year()),
            static_cast<unsigned>(date.month()),
            static_cast<unsigned>(date.day()),
            static_cast<long>(clock.hours().count()),
            static_cast<long>(clock.minutes().count()),
            static_cast<long>(clock.seconds().count()),
            static_cast<long>(clock.subseconds().count())};
}

bool ReadNumber(std::string_view text, std::size_t at, std::size_t digits, int& value) {
    const char* first = text.data() + at;
    const auto [end, error] = std::from_chars(first, first + digits, value);
    return error == std::errc() && end == first + digits && value >= 0;
}

}  // namespace

std::string IsoUtc(std::int64_t utcMs) {
    const Parts p = PartsOf(utcMs);
    char text[40];
    std::snprintf(text, sizeof(text), "%04d-%02u-%02uT%02ld:%02ld:%02ld.%03ldZ", p.year, p.month,
                  p.day, p.hours, p.minutes, p.seconds, p.ms);
    return text;
}

std::string IsoUtcBasic(std::int64_t utcMs) {
    const Parts p = PartsOf(utcMs);
    char text[32];
    std::snprintf(text, sizeof(text), "%04d%02u%02uT%02ld%02ld%02ldZ", p.year, p.month, p.day,
                  p.hours, p.minutes, p.seconds);
    return text;
}

std::optional<std::int64_t> ParseIsoUtc(std::string_view text) {
    // Exactly the form IsoUtc writes: YYYY-MM-DDTHH:MM:SS.mmmZ.
    constexpr std::string_view kShape = "0000-00-00T00:00:00.000Z";
    if (text.size() != kShape.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        if (kShape[i] != '0' && text[i] != kShape[i]) {
            return std::nullopt;
        }
    }
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    if (!ReadNumber(text, 0, 4, y) || !ReadNumber(text, 5, 2, mo) || !ReadNumber(text, 8, 2, d) ||
        !ReadNumber(text, 11, 2, h) || !ReadNumber(text, 14, 2, mi) ||
        !ReadNumber(text, 17, 2, s) || !ReadNumber(text, 20, 3, ms) || h > 23 || mi > 59 ||
        s > 59) {
        return std::nullopt;
    }
    const year_month_day date{year{y}, month{static_cast<unsigned>(mo)},
                              day{static_cast<unsigned>(d)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    const auto time = sys_days(date) + hours(h) + minutes(mi) + seconds(s) + milliseconds(ms);
    return duration_cast<milliseconds>(time.time_since_epoch()).count();
}

}  // namespace practice
