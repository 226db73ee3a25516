#include <gtest/gtest.h>

#include "app/desktop/CommandLine.h"

namespace {

struct LineCase {
    std::vector<std::string> args;
    CommandLine::Action action;
    std::string errorOrToolkit;  // the error line, or the toolkit's arguments joined by ' '
    std::optional<Language> language = std::nullopt;
};

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

class CommandLineCases : public testing::TestWithParam<LineCase> {};

TEST_P(CommandLineCases, ParsesAsExpected) {
    const LineCase& c = GetParam();
    std::vector<std::string> args{"canzet"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CommandLine line = ParseCommandLine(args);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(c.action == CommandLine::Action::Error ? line.error : Joined(line.toolkitArguments),
              c.errorOrToolkit);
    EXPECT_EQ(line.language, c.language);
}

using A = CommandLine::Action;
INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineCases,
    testing::Values(
        LineCase{{}, A::Run, "canzet"}, LineCase{{"--help"}, A::Help, "canzet"},
        // The toolkit's own options, with one or two dashes and their values, pass through.
        LineCase{{"-platform", "offscreen", "--style=fusion", "-reverse"},
                 A::Run,
                 "canzet -platform offscreen --style=fusion -reverse"},
        LineCase{{"--frobnicate"}, A::Error,
                 "canzet: unknown option --frobnicate; see 'canzet --help'"},
        LineCase{{"score.xml"}, A::Error,
                 "canzet: unknown argument score.xml; see 'canzet --help'"},
        LineCase{{"--help=yes"}, A::Error, "canzet: --help takes no value; see 'canzet --help'"},
        LineCase{{"--language", "en", "-reverse"}, A::Run, "canzet -reverse", Language::English},
        LineCase{{"--language=zh"}, A::Run, "canzet", Language::Chinese},
        LineCase{{"--language", "fr"}, A::Error,
                 "canzet: --language takes zh|en, not 'fr'; see 'canzet --help'"}));

TEST(CommandLineHelp, NamesEveryOption) {
    EXPECT_NE(HelpText().find("--help"), std::string::npos);
    EXPECT_NE(HelpText().find("--language zh|en"), std::string::npos);
}

}  // namespace
