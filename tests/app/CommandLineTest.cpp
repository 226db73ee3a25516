#include <gtest/gtest.h>

#include <tuple>

#include "app/desktop/CommandLine.h"
#include "app/desktop/ProgramVersion.h"
#include "platform/Resources.h"
#include "platform/res/ResourceFile.h"
#include "platform/res/VersionInfoReader.h"
#include "res/EmbeddedResources.h"

namespace {

// Reads the program's resources in one language while it lives.
class ResourcesIn {
  public:
    explicit ResourcesIn(Language language) {
        SetResourceLanguage(ResourceLanguageOf(language), kChineseResources);
    }
    ~ResourcesIn() { SetResourceLanguage(kChineseResources, kChineseResources); }
    ResourcesIn(const ResourcesIn&) = delete;
    ResourcesIn& operator=(const ResourcesIn&) = delete;
};

struct LineCase {
    std::vector<std::string> args;
    CommandLine::Action action;
    std::string errorOrToolkit;  // the error line, or the toolkit's arguments joined by ' '
    std::optional<Language> language = std::nullopt;
    Language messages = Language::English;  // the language the lines are read in
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
    const ResourcesIn messages(c.messages);
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
        LineCase{{"--version"}, A::Version, "canzet"},
        LineCase{
            {"--version=2"}, A::Error, "canzet: --version takes no value; see 'canzet --help'"},
        // Every single-dash option is the toolkit's, with the word after it as its value.
        LineCase{{"-platform", "offscreen", "-style=fusion", "-reverse", "-nosuch", "x"},
                 A::Run,
                 "canzet -platform offscreen -style=fusion -reverse -nosuch x"},
        LineCase{{"--style=fusion"},
                 A::Error,
                 "canzet: unknown option --style=fusion; see 'canzet --help'"},
        LineCase{
            {"--frobnicate"}, A::Error, "canzet: unknown option --frobnicate; see 'canzet --help'"},
        LineCase{
            {"score.xml"}, A::Error, "canzet: unknown argument score.xml; see 'canzet --help'"},
        LineCase{{"--help=yes"}, A::Error, "canzet: --help takes no value; see 'canzet --help'"},
        LineCase{{"--language", "en", "-reverse"}, A::Run, "canzet -reverse", Language::English},
        LineCase{{"--language=zh"}, A::Run, "canzet", Language::Chinese},
        LineCase{{"--language", "fr"},
                 A::Error,
                 "canzet: --language takes zh|en, not 'fr'; see 'canzet --help'"},
        LineCase{{"--clef", "soprano"},
                 A::Error,
                 "canzet: --clef takes treble|bass|alto|tenor, not 'soprano'; see 'canzet --help'"},
        LineCase{{"--clef=Bass"},
                 A::Error,
                 "canzet: --clef takes treble|bass|alto|tenor, not 'Bass'; see 'canzet --help'"},
        LineCase{
            {"--notes", "6"}, A::Error, "canzet: --notes takes 1-5, not '6'; see 'canzet --help'"},
        LineCase{
            {"--notes=0"}, A::Error, "canzet: --notes takes 1-5, not '0'; see 'canzet --help'"},
        LineCase{{"--notes", "03"},
                 A::Error,
                 "canzet: --notes takes 1-5, not '03'; see 'canzet --help'"},
        LineCase{{"--notes"}, A::Error, "canzet: --notes needs a value (1-5); see 'canzet --help'"},
        LineCase{{"--clef", "bass", "-platform", "offscreen", "--notes=3"},
                 A::Run,
                 "canzet -platform offscreen"},
        // The same lines in Chinese.
        LineCase{{"--version=2"},
                 A::Error,
                 "canzet: --version 不带值；参见“canzet --help”",
                 std::nullopt,
                 Language::Chinese},
        LineCase{{"--frobnicate"},
                 A::Error,
                 "canzet: 未知选项 --frobnicate；参见“canzet --help”",
                 std::nullopt,
                 Language::Chinese},
        LineCase{{"score.xml"},
                 A::Error,
                 "canzet: 未知参数 score.xml；参见“canzet --help”",
                 std::nullopt,
                 Language::Chinese},
        LineCase{
            {"--clef", "soprano"},
            A::Error,
            "canzet: --clef 的值应为 treble|bass|alto|tenor，而不是“soprano”；参见“canzet --help”",
            std::nullopt,
            Language::Chinese},
        LineCase{{"--notes"},
                 A::Error,
                 "canzet: --notes 需要一个值（1-5）；参见“canzet --help”",
                 std::nullopt,
                 Language::Chinese}));

struct LanguageCase {
    std::vector<std::string> args;
    std::optional<Language> language;
};

class LanguageOnTheLine : public testing::TestWithParam<LanguageCase> {};

// A mistake is told in the language the line asks for, wherever on the line it does.
TEST_P(LanguageOnTheLine, IsTheLastGoodOne) {
    std::vector<std::string> args{"canzet"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    EXPECT_EQ(LanguageOnCommandLine(args), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LanguageOnTheLine,
    testing::Values(LanguageCase{{"--notes", "9"}, std::nullopt},
                    LanguageCase{{"--notes", "9", "--language", "zh"}, Language::Chinese},
                    LanguageCase{{"--language=en", "--language", "fr"}, Language::English},
                    LanguageCase{{"--language", "zh", "--language=en"}, Language::English}));

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
                                         StaffCase{{"--clef", "bass", "--clef", "treble", "--notes",
                                                    "2", "--notes", "4"},
                                                   true,
                                                   4}));

TEST(ProgressOptions, ExportTheFileTheyName) {
    const CommandLine line = ParseCommandLine(
        {"canzet", "--export-progress", "answers.csv", "--progress-file=mine.jsonl"});
    EXPECT_EQ(line.action, CommandLine::Action::ExportProgress);
    EXPECT_EQ(line.exportFile, "answers.csv");
    EXPECT_EQ(line.progressFile, "mine.jsonl");
}

TEST(CommandLineHelp, NamesEveryOptionInEitherLanguage) {
    for (const auto& [language, usage, bugs] :
         {std::tuple{Language::English, "Usage: canzet [OPTION]...\n", "\nReport bugs to: "},
          std::tuple{Language::Chinese, "用法：canzet [选项]...\n", "\n报告问题请寄往："}}) {
        const ResourcesIn messages(language);
        const std::string help = HelpText();
        for (const char* part : {usage, "  --help ", "  --version ", "  --language zh|en ",
                                 "  --clef treble|bass|alto|tenor", "  --notes 1-5 ", bugs}) {
            EXPECT_NE(help.find(part), std::string::npos) << part;
        }
    }
}

// The package is named after the build's version; the program reports its resources'.
TEST(ProgramVersion, IsTheVersionBlocksAndTheBuilds) {
    const auto resources = ResourceFile::Parse(EmbeddedResourceBytes());
    ASSERT_TRUE(resources.has_value());
    const ResourceEntry* entry = resources->Find(kRtVersion, 1, 0x0804);
    ASSERT_NE(entry, nullptr);
    const auto info = ReadVersionInfo(entry->data);
    ASSERT_TRUE(info.has_value());
    std::string fromStrings = *info->Find("080404b0", "ProductVersion");
    for (size_t comma; (comma = fromStrings.find(", ")) != std::string::npos;) {
        fromStrings.replace(comma, 2, ".");
    }
    EXPECT_EQ(ProgramVersion(), fromStrings);
    EXPECT_EQ(ProgramVersion(), CANZET_BUILD_VERSION);
}

}  // namespace

namespace {

// The sound options: each value they take, and a bad one for each, which ends the program
// with one line naming the option and the values it takes.
struct SoundCase {
    std::vector<std::string> args;
    std::string errorOrSettings;  // the error line, or the settings as Describe gives them
};

std::string Describe(const SoundSettings& s) {
    return s.soundfont + " " + (s.audioDriver.empty() ? "-" : s.audioDriver) + " " +
           std::to_string(static_cast<int>(s.route)) + " " + std::to_string(s.instrument) + " " +
           (s.libraryMessages ? "verbose" : "quiet");
}

class SoundOptionCases : public testing::TestWithParam<SoundCase> {};

TEST_P(SoundOptionCases, ParseIntoTheSoundSettings) {
    std::vector<std::string> args{"canzet"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const ResourcesIn messages(Language::English);
    const CommandLine line = ParseCommandLine(args);
    EXPECT_EQ(line.action == CommandLine::Action::Error ? line.error : Describe(line.sound),
              GetParam().errorOrSettings);
}

const std::string kDefaults = "/usr/share/sounds/sf2/default-GM.sf2 - 0 0 quiet";

INSTANTIATE_TEST_SUITE_P(
    Table, SoundOptionCases,
    testing::Values(
        SoundCase{{}, kDefaults},
        SoundCase{{"--soundfont", "/tmp/organ.sf2", "--instrument=20"},
                  "/tmp/organ.sf2 - 0 20 quiet"},
        SoundCase{{"--audio-driver", "alsa", "--midi-out", "port", "--verbose"},
                  "/usr/share/sounds/sf2/default-GM.sf2 alsa 2 0 verbose"},
        SoundCase{{"--audio-driver=pulseaudio", "--midi-out=none", "--instrument", "128"},
                  "/usr/share/sounds/sf2/default-GM.sf2 pulseaudio 3 128 quiet"},
        SoundCase{{"--midi-out", "synth"}, "/usr/share/sounds/sf2/default-GM.sf2 - 1 0 quiet"},
        SoundCase{{"--midi-out", "auto"}, kDefaults},
        SoundCase{
            {"--midi-out", "speakers"},
            "canzet: --midi-out takes auto|synth|port|none, not 'speakers'; see 'canzet --help'"},
        SoundCase{{"--instrument", "0"},
                  "canzet: --instrument takes 1-128, not '0'; see 'canzet --help'"},
        SoundCase{{"--instrument", "129"},
                  "canzet: --instrument takes 1-128, not '129'; see 'canzet --help'"},
        SoundCase{{"--instrument", "12x"},
                  "canzet: --instrument takes 1-128, not '12x'; see 'canzet --help'"},
        SoundCase{{"--soundfont="}, "canzet: --soundfont takes FILE, not ''; see 'canzet --help'"},
        SoundCase{{"--soundfont"}, "canzet: --soundfont needs a value (FILE); see 'canzet --help'"},
        SoundCase{{"--verbose=yes"}, "canzet: --verbose takes no value; see 'canzet --help'"},
        SoundCase{{"--audio-driver", "oss"},
                  "canzet: --audio-driver takes pulseaudio|alsa|jack here, not 'oss'; see 'canzet "
                  "--help'"}));

TEST(CommandLineHelp, NamesEverySoundOption) {
    const ResourcesIn messages(Language::English);
    for (const char* option :
         {"--soundfont FILE", "--audio-driver pulseaudio|alsa|jack\n",
          "--midi-out auto|synth|port|none", "--instrument 1-128", "--verbose"}) {
        EXPECT_NE(HelpText().find(option), std::string::npos) << option;
    }
}

}  // namespace
