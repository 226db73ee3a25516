#include <gtest/gtest.h>

#include "app/desktop/CommandLine.h"

namespace {

struct LineCase {
    std::vector<std::string> args;
    CommandLine::Action action;
    std::string errorOrToolkit;  // the error line, or the toolkit's arguments joined by ' '
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
        LineCase{{"--clef", "alto"}, A::Error,
                 "canzet: --clef takes treble|bass, not 'alto'; see 'canzet --help'"},
        LineCase{{"--clef=Bass"}, A::Error,
                 "canzet: --clef takes treble|bass, not 'Bass'; see 'canzet --help'"},
        LineCase{{"--notes", "6"}, A::Error,
                 "canzet: --notes takes 1-5, not '6'; see 'canzet --help'"},
        LineCase{{"--notes=0"}, A::Error, "canzet: --notes takes 1-5, not '0'; see 'canzet --help'"},
        LineCase{{"--notes", "03"}, A::Error,
                 "canzet: --notes takes 1-5, not '03'; see 'canzet --help'"},
        LineCase{{"--notes"}, A::Error, "canzet: --notes needs a value (1-5); see 'canzet --help'"},
        LineCase{{"--clef", "bass", "-platform", "offscreen", "--notes=3"}, A::Run,
                 "canzet -platform offscreen"}));

struct StaffCase {
    std::vector<std::string> args;
    bool treble;
    int maxNotes;
};

class StaffOptions : public testing::TestWithParam<StaffCase> {};

TEST_P(StaffOptions, SetTheStaffTheDialogStartsWith) {
    std::vector<std::string> args{"canzet"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CommandLine line = ParseCommandLine(args);
    EXPECT_EQ(line.staff.treble, GetParam().treble);
    EXPECT_EQ(line.staff.maxNotes, GetParam().maxNotes);
}

INSTANTIATE_TEST_SUITE_P(Table, StaffOptions,
                         testing::Values(StaffCase{{}, true, 1},
                                         StaffCase{{"--clef", "bass"}, false, 1},
                                         StaffCase{{"--clef=treble", "--notes=5"}, true, 5},
                                         StaffCase{{"--notes", "1", "--clef=bass"}, false, 1},
                                         // The last of a repeated option counts.
                                         StaffCase{{"--clef", "bass", "--clef", "treble",
                                                    "--notes", "2", "--notes", "4"},
                                                   true, 4}));

TEST(CommandLineHelp, NamesEveryOption) {
    for (const char* option : {"--help", "--clef treble|bass", "--notes 1-5"}) {
        EXPECT_NE(HelpText().find(option), std::string::npos) << option;
    }
}

}  // namespace
