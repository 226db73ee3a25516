// A compact copy of the progress file's answers, beside it (practice.jsonl.summary), so that
// a history of years loads without parsing every line again. The progress file stays the
// one source of truth: the summary names how many of its bytes it covers, with a
// fingerprint of their first and last 4 KiB, and a checksum of its own; a summary that is
// missing, torn, or no longer matches the file is not used, and is written again from the
// file. Writing it replaces it whole (a temporary file, then a rename).
//
// Its format: "CZSUM1\0\0", then little-endian u64s: covered bytes, answers, skipped lines,
// fingerprint; then 20 bytes an answer (time i64, response ms i32, asked i16, given step
// i16, drill, clef, right, given letter); then a u64 checksum of everything before it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "practice/History.h"

namespace practice {

class HistorySummary {
  public:
    // The summary beside `progressFile`, if it is whole and still matches the file.
    static std::optional<HistorySummary> Load(const std::filesystem::path& progressFile);
    // Whether a summary beside the file still matches it, from its header alone: Load may
    // yet find it torn inside.
    static bool Matches(const std::filesystem::path& progressFile);
    // False when it could not be written; loading then parses the file as before.
    static bool Save(const std::filesystem::path& progressFile,
                     std::span<const AnswerRecord> answers, std::uint64_t coveredBytes,
                     int skipped);
    static std::filesystem::path PathBeside(const std::filesystem::path& progressFile);

    std::uint64_t CoveredBytes() const { return m_covered; }
    std::int64_t Answers() const { return m_count; }
    int Skipped() const { return m_skipped; }
    void AddTo(History& history) const;

  private:
    std::string m_bytes;
    std::uint64_t m_covered = 0;
    std::int64_t m_count = 0;
    int m_skipped = 0;
};

}  // namespace practice
