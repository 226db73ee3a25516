// canzet-replay's own options: --help and --version answer and end the run; any other
// argument is an error, not ignored.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct OptionCase {
    const char* arguments;
    int status;
    const char* firstLine;  // of stdout and stderr together
};

class ReplayOptions : public testing::TestWithParam<OptionCase> {};

TEST_P(ReplayOptions, AnswerOrRefuse) {
    const OptionCase& c = GetParam();
    const std::string command =
        std::string("'") + CANZET_REPLAY + "' " + c.arguments + " </dev/null 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    for (int ch; (ch = std::fgetc(pipe)) != EOF;) {
        output.push_back(static_cast<char>(ch));
    }
    const int status = pclose(pipe);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, c.status) << output;
    EXPECT_EQ(output.substr(0, output.find('\n')), c.firstLine);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplayOptions,
    testing::Values(
        OptionCase{"--version", 0, "canzet-replay " CANZET_BUILD_VERSION},
        OptionCase{"--help", 0, "Usage: canzet-replay [OPTION] < SCRIPT"},
        OptionCase{"script.txt", 2,
                   "canzet-replay: unexpected argument script.txt; see 'canzet-replay --help'"},
        OptionCase{"--help extra", 2,
                   "canzet-replay: unexpected argument extra; see 'canzet-replay --help'"},
        OptionCase{"\"$(printf '\\033[2J')\"", 2,
                   "canzet-replay: unexpected argument \\x1b[2J; see 'canzet-replay --help'"}));

// Every command the tool knows is listed, so the help stays in step with them.
TEST(ReplayHelp, ListsTheCommands) {
    std::FILE* pipe = popen((std::string("'") + CANZET_REPLAY + "' --help").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string help;
    for (int ch; (ch = std::fgetc(pipe)) != EOF;) {
        help.push_back(static_cast<char>(ch));
    }
    pclose(pipe);
    for (const char* usage : {"\n  down X Y\n", "\n  clef CLEF\n", "\n  paint FILE\n"}) {
        EXPECT_NE(help.find(usage), std::string::npos) << usage;
    }
}

}  // namespace
