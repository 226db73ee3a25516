// The progress file, one table of cases: what it holds, what loading keeps and says, and
// what an answer appended afterwards leaves.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "practice/ProgressFile.h"

using namespace practice;
namespace fs = std::filesystem;

namespace {

// 2026-12-08T00:17:30.000Z
constexpr std::int64_t kNow = 1796689050000;

const AnswerRecord kRead{.utcMs = kNow - 2500,
                         .drill = Drill::Read,
                         .clef = Clef::Treble,
                         .asked = 7,
                         .givenLetter = 'G',
                         .right = false,
                         .ms = 1234};
const AnswerRecord kPlace{.utcMs = kNow - 1000,
                          .drill = Drill::Place,
                          .clef = Clef::Bass,
                          .asked = 13,
                          .givenStep = 13,
                          .right = true,
                          .ms = 987};
// Every other field as a record starts: the lowest treble step asked, the staff empty at
// the confirm, wrong, in no time.
const AnswerRecord kHear{.utcMs = kNow, .drill = Drill::Hear};
const std::string kReadLine =
    R"({"v":1,"time":"2026-12-08T00:17:27.500Z","drill":"read","clef":"treble","asked":7,)"
    R"("given":"G","right":false,"ms":1234})";
const std::string kPlaceLine = ToJsonLine(kPlace);
const std::string kHearLine = ToJsonLine(kHear) + "\n";
// Answers with lines between them that are not: not JSON, blank, another version, no such date.
const std::string kMixed =
    kReadLine + "\r\nnot json\n\n{\"v\":2}\n" +
    R"({"v":1,"time":"2026-02-30T00:00:00.000Z","drill":"read","clef":"treble","asked":7,)"
    R"("given":"G","right":true,"ms":1})" +
    "\n" + kPlaceLine + "\n";

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct FileCase {
    const char* name;
    // Puts what the case starts from at `file`, in the folder `dir`.
    std::function<void(const fs::path& dir, const fs::path& file)> prepare;
    int kept;
    std::vector<std::string> messages;  // "FILE" stands for the file's path
    // The file after loading and appending kHear (nullopt: the append fails).
    std::optional<std::string> after;
};

void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

const FileCase kCases[] = {
    {"missing folder and file", [](const fs::path&, const fs::path&) {}, 0, {}, kHearLine},
    {"answers kept",
     [](const fs::path&, const fs::path& f) { Write(f, kReadLine + "\n" + kPlaceLine + "\n"); },
     2,
     {},
     kReadLine + "\n" + kPlaceLine + "\n" + kHearLine},
    {"torn last line ignored and left; the next answer starts a line",
     [](const fs::path&, const fs::path& f) { Write(f, kReadLine + "\n{\"v\":1,\"ti"); },
     1,
     {"FILE: the last line was cut off in the middle; it is left as it is and ignored, 1 "
      "answer kept"},
     kReadLine + "\n{\"v\":1,\"ti\n" + kHearLine},
    {"lines that are not answers skipped and counted",
     [](const fs::path&, const fs::path& f) { Write(f, kMixed); },
     2,
     {"FILE: 3 lines that are not answers were skipped, 2 answers kept"},
     kMixed + kHearLine},
    {"a file of something else moved aside, never overwritten",
     [](const fs::path&, const fs::path& f) { Write(f, std::string("\x89PNG\r\n\x1a\n\0\0", 10)); },
     0,
     {"FILE: cannot be read (no line in it is an answer); moved aside to "
      "FILE.unreadable-20261208T001730Z and a new file begun"},
     kHearLine},
    {"a folder in the file's place",
     [](const fs::path&, const fs::path& f) { fs::create_directories(f); },
     0,
     {},
     std::nullopt},
    {"a file in the folder's place",
     [](const fs::path& d, const fs::path&) {
         fs::remove_all(d);
         Write(d, "x");
     },
     0,
     {},
     std::nullopt},
};

class ProgressFileCases : public ::testing::TestWithParam<FileCase> {
  protected:
    void SetUp() override {
        m_top = fs::temp_directory_path() / ("canzet-progress-" + std::to_string(::getpid()));
        fs::remove_all(m_top);
        fs::create_directories(m_top);
    }
    void TearDown() override { fs::remove_all(m_top); }

    fs::path m_top;
};

TEST_P(ProgressFileCases, LoadsWhatItCanAndLosesNothing) {
    const FileCase& c = GetParam();
    const fs::path dir = m_top / "canzet";
    const fs::path file = dir / "practice.jsonl";
    fs::create_directories(dir);
    c.prepare(dir, file);
    const std::string before = fs::is_regular_file(file) ? Slurp(file) : std::string();

    ProgressFile progress(file);
    History history;
    const LoadReport report = progress.Load(history, kNow);
    EXPECT_EQ(report.kept, c.kept);
    EXPECT_EQ(history.Size(), c.kept);
    std::vector<std::string> expected;
    for (std::string line : c.messages) {
        for (std::size_t at; (at = line.find("FILE")) != std::string::npos;) {
            line.replace(at, 4, file.string());
        }
        expected.push_back(line);
    }
    EXPECT_EQ(LoadMessages(report), expected);
    if (!report.movedAside.empty()) {
        EXPECT_EQ(Slurp(report.movedAside), before);
    }

    const std::optional<SaveFailure> failure = progress.Append(kHear);
    EXPECT_EQ(failure.has_value(), !c.after.has_value());
    if (c.after) {
        EXPECT_EQ(Slurp(file), *c.after);
        History reloaded;
        ProgressFile(file).Load(reloaded, kNow);
        EXPECT_TRUE(reloaded.Answers().back() == kHear);
    } else {
        EXPECT_EQ(failure->problem, SaveProblem::NotAFile);
        EXPECT_EQ(failure->file, file);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgressFileCases, ::testing::ValuesIn(kCases));

TEST(ProgressFile, RoundTripsEveryFieldAndExportsCsv) {
    EXPECT_EQ(ToJsonLine(kRead), kReadLine);
    for (const AnswerRecord& answer : {kRead, kPlace, kHear}) {
        const std::optional<AnswerRecord> back = FromJsonLine(ToJsonLine(answer));
        ASSERT_TRUE(back.has_value());
        EXPECT_TRUE(*back == answer);
    }
    // Fields it does not know are passed over.
    std::string withMore = kReadLine;
    withMore.insert(withMore.size() - 1,
                    R"(,"pitch":"G4","hint":null,"score":1.5,"n":99999999999)");
    EXPECT_TRUE(FromJsonLine(withMore).has_value());
    std::ostringstream csv;
    WriteCsv({kRead, kPlace}, csv);
    EXPECT_EQ(csv.str(),
              "time,drill,clef,asked,given,right,ms,signature,sign,given_sign\r\n"
              "2026-12-08T00:17:27.500Z,read,treble,7,G,false,1234,0,none,none\r\n"
              "2026-12-08T00:17:29.000Z,place,bass,13,13,true,987,0,none,none\r\n");
}

// An answer with signs or a key is a version 2 line; a version 1 line never has them, even
// with fields of those names.
TEST(ProgressFile, SignsGoToVersionTwoLinesAndVersionOneStaysNatural) {
    AnswerRecord read = kRead;
    read.signature = -4;
    read.accidental = staff::Accidental::Natural;
    read.givenAlter = -1;
    AnswerRecord place = kPlace;
    place.givenAccidental = staff::Accidental::Sharp;
    for (const AnswerRecord& answer : {read, place}) {
        const std::string line = ToJsonLine(answer);
        EXPECT_TRUE(line.starts_with(R"({"v":2,)")) << line;
        EXPECT_TRUE(FromJsonLine(line) == answer) << line;
    }
    std::string old = kReadLine;
    old.insert(old.size() - 1, R"(,"signature":3,"sign":"sharp")");
    EXPECT_TRUE(FromJsonLine(old) == kRead);
}

// Two programs appending at once: every answer of both is there, each on a line of its own.
TEST(ProgressFile, TwoWritersKeepEveryAnswer) {
    const fs::path file =
        fs::temp_directory_path() / ("canzet-two-writers-" + std::to_string(::getpid()));
    fs::remove(file);
    constexpr int kEach = 400;
    pid_t children[2];
    for (int writer = 0; writer < 2; ++writer) {
        children[writer] = ::fork();
        if (children[writer] == 0) {
            ProgressFile progress(file);
            AnswerRecord answer = kPlace;
            answer.ms = writer;
            for (int i = 0; i < kEach; ++i) {
                answer.asked = 1 + i % 13;
                if (progress.Append(answer)) {
                    ::_exit(1);
                }
            }
            ::_exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(status, 0);
    }
    History history;
    const LoadReport report = ProgressFile(file).Load(history, kNow);
    EXPECT_EQ(report.kept, 2 * kEach);
    EXPECT_EQ(report.skipped, 0);
    EXPECT_FALSE(report.tornLastLine);
    fs::remove(file);
}

}  // namespace

// A played key is kept in a field of its own, after an answer that readers knowing nothing
// of keys read as before: its letter, wrong.
TEST(ProgressFile, PlayedKeyBesideTheLetter) {
    AnswerRecord played = kRead;
    played.givenLetter = 'F';
    played.givenKey = 78;
    const std::string line = ToJsonLine(played);
    EXPECT_EQ(line, kReadLine.substr(0, kReadLine.find("\"given\"")) +
                        R"("given":"F","right":false,"ms":1234,"key":78})");
    EXPECT_TRUE(FromJsonLine(line) == played);
}
