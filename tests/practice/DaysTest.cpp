// The learner's days: when notes come due, and the goal and streak, in pinned time zones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "practice/PracticeDays.h"
#include "practice/ProgressFile.h"

using namespace practice;

namespace {

void PinZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
}

// "2026-11-01 23:30" on the zone's clock.
std::int64_t LocalMs(const std::string& text) {
    std::tm local{};
    local.tm_isdst = -1;
    std::sscanf(text.c_str(), "%d-%d-%d %d:%d", &local.tm_year, &local.tm_mon, &local.tm_mday,
                &local.tm_hour, &local.tm_min);
    local.tm_year -= 1900;
    local.tm_mon -= 1;
    return std::int64_t{std::mktime(&local)} * 1000;
}

struct Answer {
    const char* when;
    int step;
    bool right = true;
    int ms = 1500;
};

struct ScheduleCase {
    const char* name;
    std::vector<Answer> answers;
    const char* now;
    const char* due;  // step:box:days overdue, weakest first
};

// A right answer fast enough moves a note up a box only when due; the boxes wait 1, 2, 4...
// days from the day the note entered them.
const ScheduleCase kSchedule[] = {
    {"before 04:00 is still yesterday", {{"2026-11-01 23:00", 5}}, "2026-11-02 03:59", ""},
    {"from 04:00 it is today", {{"2026-11-01 23:00", 5}}, "2026-11-02 04:00", "5:1:0"},
    {"an answer at 03:30 counts for the evening before",
     {{"2026-11-01 12:00", 5}, {"2026-11-02 03:30", 5}},
     "2026-11-02 12:00",
     "5:1:0"},
    {"right when due: up a box",
     {{"2026-11-01 12:00", 5}, {"2026-11-02 12:00", 5}},
     "2026-11-04 12:00",
     "5:2:0"},
    {"not due before its interval",
     {{"2026-11-01 12:00", 5}, {"2026-11-02 12:00", 5}},
     "2026-11-03 12:00",
     ""},
    {"many right answers in one day move it once",
     {{"2026-11-01 12:00", 5}, {"2026-11-01 12:01", 5}, {"2026-11-01 12:02", 5}},
     "2026-11-02 12:00",
     "5:1:0"},
    {"a slow right answer keeps the box",
     {{"2026-11-01 12:00", 5}, {"2026-11-02 12:00", 5, true, 2001}},
     "2026-11-03 12:00",
     "5:1:1"},
    {"a wrong answer goes back to the first box",
     {{"2026-11-01 12:00", 5}, {"2026-11-02 12:00", 5}, {"2026-11-03 12:00", 5, false}},
     "2026-11-04 12:00",
     "5:1:0"},
    {"a month away",
     {{"2026-11-01 12:00", 5}, {"2026-11-02 12:00", 5}},
     "2026-12-02 12:00",
     "5:2:28"},
    {"back after a month: up from where it was",
     {{"2026-11-01 12:00", 5}, {"2026-11-02 12:00", 5}, {"2026-12-02 12:00", 5}},
     "2026-12-06 12:00",
     "5:3:0"},
    {"an answer from a clock set back counts on the note's day",
     {{"2026-11-01 12:00", 5}, {"2026-11-05 12:00", 5}, {"2026-10-20 12:00", 5, false}},
     "2026-11-06 12:00",
     "5:1:0"},
    {"a clock set back: nothing due yet", {{"2026-11-01 12:00", 5}}, "2026-10-25 12:00", ""},
    {"weakest first: lowest box, then longest overdue",
     {{"2026-11-01 12:00", 5},
      {"2026-11-02 12:00", 5},
      {"2026-11-01 12:00", 7},
      {"2026-11-03 12:00", 6}},
     "2026-11-04 12:00",
     "7:1:2 6:1:0 5:2:0"},
};

class Schedule : public testing::TestWithParam<ScheduleCase> {};

TEST_P(Schedule, DueNotes) {
    PinZone("Europe/Berlin");
    const ScheduleCase& c = GetParam();
    History history;
    for (const Answer& a : c.answers) {
        history.Add({.utcMs = LocalMs(a.when), .asked = a.step, .right = a.right, .ms = a.ms});
    }
    PracticeDays days = PracticeDays::Of(history);
    std::string due;
    for (const DueNote& note : days.Schedule().DueOn(days.DayOf(LocalMs(c.now)), RoundSettings{})) {
        due += (due.empty() ? "" : " ") + std::to_string(note.key.step) + ':' +
               std::to_string(note.box) + ':' + std::to_string(note.daysOverdue);
    }
    EXPECT_EQ(due, c.due) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Days, Schedule, testing::ValuesIn(kSchedule));

struct StreakCase {
    const char* name;
    const char* zone;
    DailyGoal goal;
    std::vector<const char*> answers;  // UTC; each right, 30 s
    const char* now;                   // UTC
    int streak, done;
};

const StreakCase kStreaks[] = {
    {"Shanghai: 03:30 counts for the evening before",
     "Asia/Shanghai",
     {DailyGoal::Kind::Answers, 2},
     {"2026-11-01T15:00:00.000Z", "2026-11-01T19:30:00.000Z", "2026-11-02T01:00:00.000Z",
      "2026-11-02T02:00:00.000Z"},
     "2026-11-02T03:00:00.000Z",
     2,
     2},
    {"the same answers in UTC fall on one day",
     "UTC",
     {DailyGoal::Kind::Answers, 2},
     {"2026-11-01T15:00:00.000Z", "2026-11-01T19:30:00.000Z", "2026-11-02T01:00:00.000Z",
      "2026-11-02T02:00:00.000Z"},
     "2026-11-02T03:00:00.000Z",
     1,
     4},
    {"a day without practice ends it",
     "UTC",
     {DailyGoal::Kind::Answers, 1},
     {"2026-11-01T12:00:00.000Z", "2026-11-03T12:00:00.000Z"},
     "2026-11-03T13:00:00.000Z",
     1,
     1},
    {"a day short of the goal does not end it",
     "UTC",
     {DailyGoal::Kind::Answers, 2},
     {"2026-11-01T12:00:00.000Z", "2026-11-01T12:01:00.000Z", "2026-11-02T12:00:00.000Z",
      "2026-11-03T12:00:00.000Z", "2026-11-03T12:01:00.000Z"},
     "2026-11-03T13:00:00.000Z",
     2,
     2},
    {"today counts once met",
     "UTC",
     {DailyGoal::Kind::Minutes, 1},
     {"2026-11-01T12:00:00.000Z", "2026-11-01T12:01:00.000Z", "2026-11-02T12:00:00.000Z"},
     "2026-11-02T13:00:00.000Z",
     1,
     0},
    {"New York, the night clocks go back",
     "America/New_York",
     {DailyGoal::Kind::Answers, 2},
     {"2026-10-31T12:00:00.000Z", "2026-11-01T07:30:00.000Z", "2026-11-01T09:30:00.000Z"},
     "2026-11-01T12:00:00.000Z",
     1,
     1},
};

class Streak : public testing::TestWithParam<StreakCase> {};

TEST_P(Streak, CountsGoalDays) {
    const StreakCase& c = GetParam();
    PinZone(c.zone);
    History history;
    for (const char* when : c.answers) {
        history.Add({.utcMs = *ParseIsoUtc(when), .right = true, .ms = 30000});
    }
    PracticeDays days = PracticeDays::Of(history);
    const int today = days.DayOf(*ParseIsoUtc(c.now));
    EXPECT_EQ(days.Totals().Streak(today, c.goal), c.streak) << c.name;
    EXPECT_EQ(c.goal.DoneOn(days.Totals().On(today)), c.done) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Days, Streak, testing::ValuesIn(kStreaks));

}  // namespace
