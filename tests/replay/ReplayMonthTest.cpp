// A month of practice through canzet-replay's clock: what is due at its end, the streak and
// the days, in a pinned time zone.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The lines of the transcript that begin with one of `prefixes`.
std::string RunReplay(const std::string& script, std::initializer_list<const char*> prefixes) {
    const std::filesystem::path in = std::filesystem::temp_directory_path() /
                                     ("canzet-month-test-" + std::to_string(::getpid()));
    std::ofstream(in, std::ios::binary) << script;
    const std::string command =
        std::string("TZ=Europe/Berlin '") + CANZET_REPLAY + "' < '" + in.string() + "'";
    FILE* out = ::popen(command.c_str(), "r");
    std::string kept;
    char line[256];
    while (out != nullptr && std::fgets(line, sizeof(line), out) != nullptr) {
        for (const char* prefix : prefixes) {
            if (std::string_view(line).starts_with(prefix)) {
                kept += line;
            }
        }
    }
    EXPECT_EQ(out != nullptr ? ::pclose(out) : -1, 0);
    std::filesystem::remove(in);
    return kept;
}

TEST(ReplayMonth, DueStreakAndDays) {
    // Every day of November but the 10th, treble G4 twice, right in a second. The bass B2
    // comes on the 20th, answered wrong, and on the 28th, right but slowly; A2 on the 30th.
    std::string script = "goal answers 2\n";
    for (int day = 1; day <= 30; ++day) {
        if (day == 10) {
            continue;
        }
        char date[16];
        std::snprintf(date, sizeof(date), "2026-11-%02d", day);
        script += "today " + std::string(date) + "\npractice read treble 5 5 2 1\n" +
                  "wait 1000\nanswer G\nnext\nwait 1000\nanswer G\n";
        if (day == 20 || day == 28) {
            script += "practice read bass 5 5 1 1\nwait " +
                      std::string(day == 20 ? "1000" : "3000") + "\nanswer " +
                      (day == 20 ? "C" : "B") + "\n";
        }
    }
    script +=
        "practice read bass 4 4 1 1\nwait 1000\nanswer A\n"
        "review on\npractice read both 4 5 endless 1\ndue\nstreak\ndays 30\n";
    const std::string out = RunReplay(script, {"question 1 read bass 5", "due", "streak", "day"});
    // G4 climbed to box 5 on the 16th (1, 2, 4, 8: the 2nd, 4th, 8th and 16th), due in
    // December; B2 has waited in box 1 since the 20th and is asked first, before the treble
    // F4 never asked.
    EXPECT_NE(out.find("question 1 read bass 5\ndue bass 5 1 9\nstreak 20 3 2\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("due treble"), std::string::npos) << out;
    EXPECT_NE(out.find("day 2026-11-01 2 2 0.0 60.0 yes\n"), std::string::npos) << out;
    EXPECT_NE(out.find("day 2026-11-10 0 0 0.0 0.0 no\n"), std::string::npos) << out;
    EXPECT_NE(out.find("day 2026-11-20 3 2 0.0 60.0 yes\n"), std::string::npos) << out;
    EXPECT_NE(out.find("day 2026-11-30 3 3 0.0 60.0 yes\n"), std::string::npos) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 3 + 1 + 1 + 30) << out;
}

}  // namespace
