// The summary beside a long progress file: whatever happened to either, loading gives the
// answers the progress file holds, and a summary that no longer serves is written again.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "practice/HistoryMerge.h"
#include "practice/HistorySummary.h"
#include "practice/ProgressFile.h"

using namespace practice;
namespace fs = std::filesystem;

namespace {

constexpr int kLong = 1200;

void WriteAnswers(const fs::path& file, int count, int ms) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < count; ++i) {
        out << ToJsonLine({.utcMs = 1796689050000 + i,
                           .asked = 1 + i % 13,
                           .givenLetter = 'C',
                           .ms = ms + i})
            << '\n';
    }
}

// The answers as the progress file holds them, line by line.
std::vector<AnswerRecord> InTheFile(const fs::path& file) {
    std::vector<AnswerRecord> answers;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        answers.push_back(*FromJsonLine(line));
    }
    return answers;
}

struct SummaryCase {
    const char* name;
    std::function<void(const fs::path& file, const fs::path& summary)> change;
};

const SummaryCase kCases[] = {
    {"answers appended after it",
     [](const fs::path& file, const fs::path&) {
         ProgressFile progress(file);
         progress.Append({.utcMs = 1, .asked = 3, .givenLetter = 'E', .right = true, .ms = 5});
     }},
    {"torn", [](const fs::path&, const fs::path& summary) { fs::resize_file(summary, 9000); }},
    {"missing", [](const fs::path&, const fs::path& summary) { fs::remove(summary); }},
    {"the file replaced by another of the same length",
     [](const fs::path& file, const fs::path&) { WriteAnswers(file, kLong, 2000); }},
    {"the file cut short",
     [](const fs::path& file, const fs::path&) { WriteAnswers(file, 600, 1000); }},
};

class Summary : public testing::TestWithParam<SummaryCase> {};

TEST_P(Summary, TheFileHasTheLastWord) {
    const fs::path folder =
        fs::temp_directory_path() / ("canzet-summary-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path file = folder / "practice.jsonl";
    const fs::path summary = HistorySummary::PathBeside(file);
    WriteAnswers(file, kLong, 1000);
    History first;
    ProgressFile(file).Load(first, 0);
    ASSERT_TRUE(fs::exists(summary));

    GetParam().change(file, summary);
    History history;
    const LoadReport report = ProgressFile(file).Load(history, 0);
    EXPECT_EQ(history.Answers(), InTheFile(file)) << GetParam().name;
    EXPECT_EQ(report.kept, history.Size());
    // Loaded again, through the summary written meanwhile where one was due.
    History again;
    ProgressFile(file).Load(again, 0);
    EXPECT_EQ(again.Answers(), history.Answers());
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Summaries, Summary, testing::ValuesIn(kCases));

}  // namespace

namespace {

// Read in the background while answers were appended: each answer once, in the file's order.
TEST(Merged, TakesTheAnswersGivenMeanwhileOnce) {
    std::vector<AnswerRecord> file;
    for (int i = 0; i < 6; ++i) {
        file.push_back({.utcMs = i, .asked = 1 + i, .givenLetter = 'C', .ms = 100 * i});
    }
    const std::vector<AnswerRecord> meanwhile(file.begin() + 3, file.end());
    for (const int read : {3, 4, 6}) {  // the load read none, one or all of them
        History loaded;
        for (int i = 0; i < read; ++i) {
            loaded.Add(file[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(Merged(std::move(loaded), meanwhile).Answers(), file) << read;
    }
}

}  // namespace
