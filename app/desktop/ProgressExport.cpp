#include "app/desktop/ProgressExport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "practice/PracticeClock.h"
#include "practice/ProgressFile.h"
#include "practice/ProgressFolder.h"

int ExportProgress(const std::string& progressFile, const std::string& csvFile) {
    const std::filesystem::path source = progressFile.empty() ? practice::DefaultProgressFile()
                                                              : std::filesystem::path(progressFile);
    if (source.empty()) {
        std::fprintf(stderr,
                     "canzet: no data folder (neither XDG_DATA_HOME nor HOME is set); "
                     "name the file with --progress-file\n");
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
        std::fprintf(stderr, "canzet: cannot write %s: %s\n", csvFile.c_str(),
                     std::strerror(errno));
        return 1;
    }
    return 0;
}
