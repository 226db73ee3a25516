// The file of every answer: JSON Lines, one answer an object with a format version,
//   {"v":1,"time":"2026-12-08T00:17:30.123Z","drill":"read","clef":"treble","asked":7,
//    "given":"G","right":true,"ms":1234}
// ("given" a letter for Read, a step for Place and Hear).
//
// Each answer goes to the file in one write() of one whole line on a descriptor opened for
// appending (O_APPEND, FILE_APPEND_DATA on Windows), and is flushed to the disk (fsync,
// FlushFileBuffers) before Append returns. The system places each such write at the end of
// the file as one piece, so two programs practising at once interleave whole lines and
// neither loses or tears the other's answers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "practice/AnswerRecord.h"
#include "practice/History.h"
#include "practice/SaveFailure.h"

namespace practice {

class AppendOnlyFile;

// What loading found besides the answers.
struct LoadReport {
    std::filesystem::path file;
    int kept = 0;               // answers loaded
    int skipped = 0;            // lines that are not a valid answer
    bool tornLastLine = false;  // the last line ends without a newline; left as it is
    // The file could not be read at all, or held no answer but other lines: why, and where
    // it went (empty when it could not be moved, and then why not).
    std::string unreadable{};
    std::filesystem::path movedAside{};
    std::string notMoved{};
};

// One line for each kind of damage the report shows, naming the file and what was kept;
// none for a sound file.
std::vector<std::string> LoadMessages(const LoadReport& report);

class ProgressFile {
  public:
    explicit ProgressFile(std::filesystem::path path);
    ~ProgressFile();
    ProgressFile(const ProgressFile&) = delete;
    ProgressFile& operator=(const ProgressFile&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

    // Adds every answer the file holds to `history`; a missing file is an empty history.
    // A torn last line is ignored and left; lines that are not answers are skipped and
    // counted; a file that cannot be read at all, or holds no answer but other lines, is
    // renamed aside (practice.jsonl.unreadable-20261208T001730Z, `nowUtcMs` its time) and
    // a new one begun. If it cannot be moved, nothing is ever written to it.
    LoadReport Load(History& history, std::int64_t nowUtcMs);

    // For a file another object loads: whether it ends in a torn line, which the next
    // answer must not run on from.
    void LookAtTheEnd();

    // Appends one answer and flushes it to the disk, creating the file and its folder when
    // missing. Returns the failure, if any; later calls try again.
    std::optional<SaveFailure> Append(const AnswerRecord& answer);

  private:
    std::filesystem::path m_path;
    std::unique_ptr<AppendOnlyFile> m_file;
    // The file ends in a torn line: the next answer starts on a new line, so that it does
    // not run on from the torn one.
    bool m_startOnNewLine = false;
    std::string m_refused;  // why nothing may be written, when the file could not be moved
};

// One answer as its line in the file, without the newline, and back; nullopt when the line
// is not a valid answer of a known format version.
std::string ToJsonLine(const AnswerRecord& answer);
std::optional<AnswerRecord> FromJsonLine(std::string_view line);

// Every answer as CSV with a header row: time,drill,clef,asked,given,right,ms.
void WriteCsv(const std::vector<AnswerRecord>& answers, std::ostream& out);

// "2026-12-08T00:17:30.123Z" and back; the short form "20261208T001730Z" for file names.
std::string IsoUtc(std::int64_t utcMs);
std::string IsoUtcBasic(std::int64_t utcMs);
std::optional<std::int64_t> ParseIsoUtc(std::string_view text);

}  // namespace practice
