#include "tools/replay/ReplayDaysCommands.h"

#include "practice/LocalCalendar.h"
#include "tools/replay/ReplayParser.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/ScriptError.h"

using namespace practice;

std::vector<ReplayCommandDefinition> DaysCommands(bool& failed, const long& lineNumber) {
    const ScriptError fail(failed, lineNumber);
    return {
        {"today",
         {{ArgumentKind::Word, "YYYY-MM-DD"}},
         [fail](ReplaySession& session, const ReplayCommand& c) {
             const std::optional<int> day = LocalCalendar::DayNamed(c.words[0]);
             if (day) {
                 session.Days().SetToday(*day);
             } else {
                 fail(session, "the date is YYYY-MM-DD, a day of the calendar");
             }
         }},
        {"goal",
         {{ArgumentKind::Word, "minutes|answers", {"minutes", "answers"}},
          {ArgumentKind::Integer, "N"}},
         [fail](ReplaySession& session, const ReplayCommand& c) {
             if (c.numbers[0] < 1 || c.numbers[0] > 100000) {
                 fail(session, "N is a number from 1 to 100000");
                 return;
             }
             session.Days().SetGoal({*GoalKindNamed(c.words[0]), c.numbers[0]});
         }},
        {"due",
         {},
         [fail](ReplaySession& session, const ReplayCommand&) {
             if (!session.Days().PrintDue()) {
                 fail(session, "no round has been started");
             }
         }},
        {"streak",
         {},
         [](ReplaySession& session, const ReplayCommand&) { session.Days().PrintStreak(); }},
        {"days",
         {{ArgumentKind::Integer, "N"}},
         [fail](ReplaySession& session, const ReplayCommand& c) {
             if (c.numbers[0] < 1 || c.numbers[0] > 3660) {
                 fail(session, "N is a number of days from 1 to 3660");
                 return;
             }
             session.Days().PrintDays(c.numbers[0]);
         }},
        {"review",
         {{ArgumentKind::Word, "on|off", {"on", "off"}}},
         [](ReplaySession& session, const ReplayCommand& c) {
             session.Practice().ReviewFirst(c.words[0] == "on");
         }},
    };
}
