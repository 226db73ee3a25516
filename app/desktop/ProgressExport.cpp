#include "app/desktop/ProgressExport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>

#include "app/CommandLineScan.h"
#include "practice/DayRow.h"
#include "practice/GoalFile.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeDays.h"
#include "practice/ProgressFile.h"
#include "practice/ProgressFolder.h"
#include "res/resource.h"

namespace {

// The progress file's answers, or nullopt with the reason told when there is no data folder.
std::optional<practice::History> LoadHistory(const std::filesystem::path& source) {
    if (source.empty()) {
        std::fprintf(stderr, "%s\n", FillIn(IDS_ERR_NO_DATA_FOLDER).c_str());
        return std::nullopt;
    }
    practice::History history;
    practice::ProgressFile file(source);
    for (const std::string& line :
         practice::LoadMessages(file.Load(history, practice::SystemClock().UtcMs()))) {
        std::fprintf(stderr, "canzet: %s\n", line.c_str());
    }
    return history;
}

std::filesystem::path SourceOf(const std::string& progressFile) {
    return progressFile.empty() ? practice::DefaultProgressFile()
                                : std::filesystem::path(progressFile);
}

template <typename Write>
int WriteCsvFile(const std::string& csvFile, Write write) {
    std::ofstream out(csvFile, std::ios::binary | std::ios::trunc);
    if (out) {
        write(out);
        out.flush();
    }
    if (!out) {
        // The reason stays the C library's English one: LC_MESSAGES is not set up yet.
        std::fprintf(stderr, "%s\n",
                     FillIn(IDS_ERR_CANNOT_WRITE, {csvFile, std::strerror(errno)}).c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int ExportProgress(const std::string& progressFile, const std::string& csvFile) {
    const std::optional<practice::History> history = LoadHistory(SourceOf(progressFile));
    if (!history) {
        return 1;
    }
    return WriteCsvFile(csvFile,
                        [&](std::ostream& out) { practice::WriteCsv(history->Answers(), out); });
}

int ExportDays(const std::string& progressFile, const std::string& csvFile) {
    const std::filesystem::path source = SourceOf(progressFile);
    const std::optional<practice::History> history = LoadHistory(source);
    if (!history) {
        return 1;
    }
    practice::PracticeDays days = practice::PracticeDays::Of(*history);
    const int today = days.DayOf(practice::SystemClock().UtcMs());
    const practice::DailyGoal goal = practice::LoadDailyGoal(practice::GoalFileBeside(source));
    return WriteCsvFile(csvFile, [&](std::ostream& out) {
        practice::WriteDaysCsv(days.Totals(), today, goal, out);
    });
}
