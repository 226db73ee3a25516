#include "practice/ProgressFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "practice/AppendOnlyFile.h"
#include "practice/HistorySummary.h"

namespace practice {
namespace {

// Answers beyond the summary (or without one) that make it worth writing again.
constexpr int kSummaryAfter = 1000;

// The answers of a file read line by line, so that a large file is never held whole; they
// go to a history of their own, so that a file found unreadable adds none.
struct ReadResult {
    History answers;
    int tail = 0;  // answers read from the file's lines
    int skipped = 0;
    bool tornLastLine = false;
    std::string error{};           // empty when the file was read to its end
    std::uint64_t wholeLines = 0;  // the bytes up to the end of the last whole line
};

// From byte `from`, the end of a line, after the summary's answers, if any.
ReadResult ReadAnswers(const std::filesystem::path& path, const HistorySummary* summary) {
    ReadResult result;
    const std::uint64_t from = summary != nullptr ? summary->CoveredBytes() : 0;
    result.wholeLines = from;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = std::strerror(errno);
        return result;
    }
    // Room for every answer at once, a line being 100 bytes or more.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    result.answers.Reserve(static_cast<std::size_t>((summary != nullptr ? summary->Answers() : 0) +
                                                    (error ? 0 : (size - from) / 100)));
    if (summary != nullptr) {
        summary->AddTo(result.answers);
    }
    in.seekg(static_cast<std::streamoff>(from));
    std::string line;
    while (std::getline(in, line)) {
        // Without a newline before the end, the last write was cut short.
        if (in.eof()) {
            result.tornLastLine = true;
            break;
        }
        result.wholeLines += line.size() + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        if (const auto answer = FromJsonLine(line)) {
            result.answers.Add(*answer);
            ++result.tail;
        } else {
            ++result.skipped;
        }
    }
    if (in.bad()) {
        result.error = std::strerror(errno);
    }
    return result;
}

// practice.jsonl.unreadable-20261208T001730Z, or with -2, -3 ... after it when taken.
std::filesystem::path AsideName(const std::filesystem::path& path, std::int64_t nowUtcMs) {
    const std::string stem = path.string() + ".unreadable-" + IsoUtcBasic(nowUtcMs);
    std::filesystem::path aside = stem;
    std::error_code error;
    for (int n = 2; std::filesystem::exists(aside, error) || error; ++n) {
        aside = stem + "-" + std::to_string(n);
    }
    return aside;
}

std::string Answers(int count) {
    return std::to_string(count) + (count == 1 ? " answer" : " answers");
}

}  // namespace

ProgressFile::ProgressFile(std::filesystem::path path) : m_path(std::move(path)) {}

ProgressFile::~ProgressFile() = default;

LoadReport ProgressFile::Load(History& history, std::int64_t nowUtcMs) {
    LoadReport report{.file = m_path};
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(m_path, error);
    // Nothing there yet; or a folder in its place, which the first answer reports.
    if (status.type() == std::filesystem::file_type::not_found ||
        status.type() == std::filesystem::file_type::directory) {
        return report;
    }
    const std::optional<HistorySummary> summary = HistorySummary::Load(m_path);
    ReadResult read = ReadAnswers(m_path, summary ? &*summary : nullptr);
    report.unreadable = read.error;
    report.skipped = read.skipped + (summary ? summary->Skipped() : 0);
    report.tornLastLine = read.tornLastLine;
    const std::int64_t total = read.answers.Size();
    if (report.unreadable.empty() && total == 0 && report.skipped > 0) {
        report.unreadable = "no line in it is an answer";
    }
    if (!report.unreadable.empty()) {
        report.skipped = 0;
        report.tornLastLine = false;
        const std::filesystem::path aside = AsideName(m_path, nowUtcMs);
        std::filesystem::rename(m_path, aside, error);
        if (error) {
            report.notMoved = error.message();
            m_refused = "it cannot be read and could not be moved aside";
        } else {
            report.movedAside = aside;
        }
        return report;
    }
    report.kept = static_cast<int>(total);
    m_startOnNewLine = report.tornLastLine;
    // A long file gets its summary, and a new one once many answers came after it.
    if (read.tail >= kSummaryAfter) {
        HistorySummary::Save(m_path, read.answers.Answers(), read.wholeLines, report.skipped);
    }
    if (history.Size() == 0) {
        history = std::move(read.answers);
    } else {
        history.Reserve(history.Answers().size() + read.answers.Answers().size());
        for (const AnswerRecord& answer : read.answers.Answers()) {
            history.Add(answer);
        }
    }
    return report;
}

std::vector<std::string> LoadMessages(const LoadReport& report) {
    const std::string file = report.file.string();
    std::vector<std::string> lines;
    if (!report.unreadable.empty()) {
        lines.push_back(
            report.notMoved.empty()
                ? file + ": cannot be read (" + report.unreadable + "); moved aside to " +
                      report.movedAside.string() + " and a new file begun"
                : file + ": cannot be read (" + report.unreadable + ") nor moved aside (" +
                      report.notMoved + "); answers will not be saved");
    }
    if (report.tornLastLine) {
        lines.push_back(file + ": the last line was cut off in the middle; it is left as it is " +
                        "and ignored, " + Answers(report.kept) + " kept");
    }
    if (report.skipped > 0) {
        lines.push_back(file + ": " + std::to_string(report.skipped) +
                        (report.skipped == 1 ? " line that is not an answer was"
                                             : " lines that are not answers were") +
                        " skipped, " + Answers(report.kept) + " kept");
    }
    return lines;
}

void ProgressFile::LookAtTheEnd() {
    std::ifstream in(m_path, std::ios::binary | std::ios::ate);
    if (in && in.tellg() > 0) {
        in.seekg(-1, std::ios::end);
        m_startOnNewLine = in.get() != '\n';
    }
}

std::optional<SaveFailure> ProgressFile::Append(const AnswerRecord& answer) {
    if (!m_refused.empty()) {
        return SaveFailure{m_path, SaveProblem::Other, m_refused};
    }
    if (!m_file) {
        std::error_code error;
        if (m_path.has_parent_path()) {
            std::filesystem::create_directories(m_path.parent_path(), error);
        }
        SaveFailure failure;
        m_file = AppendOnlyFile::Open(m_path, failure);
        if (!m_file) {
            return failure;
        }
    }
    // One buffer, one write: the line never reaches the file in two pieces.
    std::string line = m_startOnNewLine ? "\n" : "";
    line += ToJsonLine(answer);
    line += '\n';
    std::optional<SaveFailure> failure = m_file->Append(line);
    // After a failure part of the line may be in the file; the next starts on a line of its
    // own. A blank line costs nothing when loading.
    m_startOnNewLine = failure.has_value();
    return failure;
}

}  // namespace practice
