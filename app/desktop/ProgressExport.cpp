#include "app/desktop/ProgressExport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "app/CommandLineScan.h"
#include "practice/PracticeClock.h"
#include "practice/ProgressFile.h"
#include "practice/ProgressFolder.h"
#include "res/resource.h"

int ExportProgress(const std::string& progressFile, const std::string& csvFile) {
    const std::filesystem::path source = progressFile.empty() ? practice::DefaultProgressFile()
                                                              : std::filesystem::path(progressFile);
    if (source.empty()) {
        std::fprintf(stderr, "%s\n", FillIn(IDS_ERR_NO_DATA_FOLDER).c_str());
        return 1;
    }
    practice::History history;
    practice::ProgressFile file(source);
    for (const std::string& line :
         practice::LoadMessages(file.Load(history, practice::SystemClock().UtcMs()))) {
        std::fprintf(stderr, "canzet: %s\n", line.c_str());
    }
    std::ofstream out(csvFile, std::ios::binary | std::ios::trunc);
    if (out) {
        practice::WriteCsv(history.Answers(), out);
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
