#include "practice/HistorySummary.h"

#include <chrono>
#include <cstring>
#include <fstream>
#include <system_error>

namespace practice {
namespace {

constexpr char kMagic[8] = {'C', 'Z', 'S', 'U', 'M', '1', '\0', '\0'};
constexpr std::size_t kHeader = 8 + 4 * 8;
constexpr std::size_t kRecord = 20;
constexpr std::size_t kTrailer = 8;
constexpr std::uint64_t kEnds = 4096;  // bytes of each end of the covered part fingerprinted

// A 64-bit multiply-xor hash; a fingerprint against accidents, not against anyone.
std::uint64_t Hash(const char* data, std::size_t size, std::uint64_t hash = 0xcbf29ce484222325) {
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ static_cast<unsigned char>(data[i])) * 0x100000001b3ULL;
    }
    return hash;
}

// Eight bytes at a time: the checksum runs over megabytes.
std::uint64_t Checksum(const std::string& bytes, std::size_t size) {
    std::uint64_t hash = 0x9E3779B97F4A7C15ULL;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, 8);
        hash = (hash ^ word) * 0xBF58476D1CE4E5B9ULL;
        hash ^= hash >> 31;
    }
    return Hash(bytes.data() + i, size - i, hash);
}

void Put(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::uint64_t Get(const std::string& in, std::size_t at, int bytes) {
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

// The first and last kEnds bytes of the progress file's first `covered` bytes; nullopt when
// the file is shorter or cannot be read, or the part does not end a line.
std::optional<std::uint64_t> Fingerprint(const std::filesystem::path& file, std::uint64_t covered) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size < covered || covered == 0) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::string head(static_cast<std::size_t>(std::min(covered, kEnds)), '\0');
    std::string tail = head;
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    in.seekg(static_cast<std::streamoff>(covered - tail.size()));
    in.read(tail.data(), static_cast<std::streamsize>(tail.size()));
    if (!in || tail.back() != '\n') {
        return std::nullopt;
    }
    return Hash(tail.data(), tail.size(), Hash(head.data(), head.size()));
}

}  // namespace

std::filesystem::path HistorySummary::PathBeside(const std::filesystem::path& progressFile) {
    std::filesystem::path summary = progressFile;
    return summary += ".summary";
}

std::optional<HistorySummary> HistorySummary::Load(const std::filesystem::path& progressFile) {
    std::ifstream in(PathBeside(progressFile), std::ios::binary | std::ios::ate);
    if (!in) {
        return std::nullopt;
    }
    const auto size = static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0));
    if (size < kHeader + kTrailer) {
        return std::nullopt;
    }
    HistorySummary summary;
    summary.m_bytes.resize(size);
    in.seekg(0);
    in.read(summary.m_bytes.data(), static_cast<std::streamsize>(size));
    const std::string& b = summary.m_bytes;
    if (!in || std::memcmp(b.data(), kMagic, 8) != 0) {
        return std::nullopt;
    }
    summary.m_covered = Get(b, 8, 8);
    const std::uint64_t count = Get(b, 16, 8);
    const std::uint64_t skipped = Get(b, 24, 8);
    if (count > (size - kHeader - kTrailer) / kRecord ||
        kHeader + count * kRecord + kTrailer != size || skipped > 0x7FFFFFFF ||
        Get(b, size - kTrailer, 8) != Checksum(b, size - kTrailer) ||
        Fingerprint(progressFile, summary.m_covered) != Get(b, 32, 8)) {
        return std::nullopt;
    }
    summary.m_count = static_cast<std::int64_t>(count);
    summary.m_skipped = static_cast<int>(skipped);
    return summary;
}

bool HistorySummary::Matches(const std::filesystem::path& progressFile) {
    std::ifstream in(PathBeside(progressFile), std::ios::binary);
    std::string header(kHeader, '\0');
    in.read(header.data(), static_cast<std::streamsize>(kHeader));
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(PathBeside(progressFile), error);
    return in && !error && std::memcmp(header.data(), kMagic, 8) == 0 &&
           kHeader + Get(header, 16, 8) * kRecord + kTrailer == size &&
           Fingerprint(progressFile, Get(header, 8, 8)) == Get(header, 32, 8);
}

void HistorySummary::AddTo(History& history) const {
    history.Reserve(history.Answers().size() + static_cast<std::size_t>(m_count));
    for (std::size_t i = 0; i < static_cast<std::size_t>(m_count); ++i) {
        const std::size_t at = kHeader + i * kRecord;
        history.Add({.utcMs = static_cast<std::int64_t>(Get(m_bytes, at, 8)),
                     .drill = static_cast<Drill>(m_bytes[at + 16]),
                     .clef = static_cast<Clef>(m_bytes[at + 17]),
                     .asked = static_cast<std::int16_t>(Get(m_bytes, at + 12, 2)),
                     .givenLetter = m_bytes[at + 19],
                     .givenStep = static_cast<std::int16_t>(Get(m_bytes, at + 14, 2)),
                     .right = m_bytes[at + 18] != 0,
                     .ms = static_cast<std::int32_t>(Get(m_bytes, at + 8, 4))});
    }
}

bool HistorySummary::Save(const std::filesystem::path& progressFile,
                          std::span<const AnswerRecord> answers, std::uint64_t coveredBytes,
                          int skipped) {
    const std::optional<std::uint64_t> fingerprint = Fingerprint(progressFile, coveredBytes);
    if (!fingerprint) {
        return false;
    }
    std::string bytes(kMagic, 8);
    bytes.reserve(kHeader + answers.size() * kRecord + kTrailer);
    Put(bytes, coveredBytes, 8);
    Put(bytes, answers.size(), 8);
    Put(bytes, static_cast<std::uint64_t>(skipped), 8);
    Put(bytes, *fingerprint, 8);
    for (const AnswerRecord& a : answers) {
        Put(bytes, static_cast<std::uint64_t>(a.utcMs), 8);
        Put(bytes, static_cast<std::uint32_t>(a.ms), 4);
        Put(bytes, static_cast<std::uint16_t>(a.asked), 2);
        Put(bytes, static_cast<std::uint16_t>(a.givenStep), 2);
        bytes += static_cast<char>(a.drill);
        bytes += static_cast<char>(a.clef);
        bytes += static_cast<char>(a.right ? 1 : 0);
        bytes += a.givenLetter;
    }
    Put(bytes, Checksum(bytes, bytes.size()), 8);

    const std::filesystem::path summary = PathBeside(progressFile);
    // Two programs may write it at once: each its own temporary file.
    std::filesystem::path temporary = summary;
    temporary +=
        ".new-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    std::error_code error;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, summary, error);
    if (error) {
        // A system whose rename does not replace: the old summary goes first.
        std::filesystem::remove(summary, error);
        std::filesystem::rename(temporary, summary, error);
    }
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace practice
