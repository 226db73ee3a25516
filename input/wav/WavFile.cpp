#include "input/wav/WavFile.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

namespace input {

namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;

class Bytes {
  public:
    explicit Bytes(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool Has(std::size_t at, std::size_t count) const {
        return at <= m_bytes.size() && count <= m_bytes.size() - at;
    }
    std::optional<std::uint32_t> Little(std::size_t at, std::size_t count) const {
        if (!Has(at, count)) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (std::size_t i = count; i-- > 0;) {
            value = value << 8 | m_bytes[at + i];
        }
        return value;
    }
    bool Tag(std::size_t at, const char* tag) const {
        return Has(at, 4) && std::memcmp(m_bytes.data() + at, tag, 4) == 0;
    }
    std::size_t Size() const { return m_bytes.size(); }

  private:
    std::span<const std::uint8_t> m_bytes;
};

struct Format {
    std::uint16_t code = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

WavSound Failure(std::string reason) {
    WavSound failure;
    failure.error = std::move(reason);
    return failure;
}

std::optional<std::string> FormatProblem(const Format& f) {
    if (f.code != kPcm && f.code != kFloat) {
        return "not PCM or float samples";
    }
    if (f.code == kPcm && f.bits != 16 && f.bits != 24 && f.bits != 32) {
        return "PCM samples of " + std::to_string(f.bits) + " bits (16, 24 or 32 are read)";
    }
    if (f.code == kFloat && f.bits != 32) {
        return "float samples of " + std::to_string(f.bits) + " bits (32 are read)";
    }
    if (f.channels != 1 && f.channels != 2) {
        return std::to_string(f.channels) + " channels (mono or stereo are read)";
    }
    if (f.rate < 16000 || f.rate > 96000) {
        return "a rate of " + std::to_string(f.rate) + " Hz (16000 to 96000 are read)";
    }
    return std::nullopt;
}

float SampleAt(const Bytes& bytes, std::size_t at, const Format& f) {
    const std::uint32_t raw = *bytes.Little(at, f.bits / 8);
    if (f.code == kFloat) {
        float value = 0;
        std::memcpy(&value, &raw, sizeof value);
        // A NaN or infinity would stay in the detector's filters for good.
        return std::isfinite(value) ? value : 0.0f;
    }
    const int shift = 32 - f.bits;
    const auto value = static_cast<std::int32_t>(raw << shift);
    return static_cast<float>(value / 2147483648.0);
}

}  // namespace

WavSound ReadWav(std::span<const std::uint8_t> data) {
    const Bytes bytes(data);
    if (!bytes.Tag(0, "RIFF") || !bytes.Tag(8, "WAVE")) {
        return Failure("is not a WAV file");
    }
    std::optional<Format> format;
    for (std::size_t at = 12; bytes.Has(at, 8);) {
        const std::uint32_t size = *bytes.Little(at + 4, 4);
        const std::size_t body = at + 8;
        if (bytes.Tag(at, "fmt ")) {
            if (size < 16 || !bytes.Has(body, 16)) {
                return Failure("is cut short in its format");
            }
            Format f{.code = static_cast<std::uint16_t>(*bytes.Little(body, 2)),
                     .channels = static_cast<int>(*bytes.Little(body + 2, 2)),
                     .rate = static_cast<int>(*bytes.Little(body + 4, 4) & 0x7FFFFFFF),
                     .bits = static_cast<int>(*bytes.Little(body + 14, 2))};
            if (f.code == kExtensible) {
                // The real format is the first two bytes of the subformat's GUID.
                const std::optional<std::uint32_t> sub = bytes.Little(body + 24, 2);
                if (size < 40 || !sub) {
                    return Failure("is cut short in its format");
                }
                f.code = static_cast<std::uint16_t>(*sub);
            }
            if (const std::optional<std::string> problem = FormatProblem(f)) {
                return Failure("holds " + *problem);
            }
            format = f;
        } else if (bytes.Tag(at, "data")) {
            if (!format) {
                return Failure("has no format before its samples");
            }
            const std::size_t frameBytes = format->bits / 8 * format->channels;
            if (!bytes.Has(body, size)) {
                return Failure("is cut short in its samples");
            }
            const std::size_t frames = size / frameBytes;
            if (frames == 0) {
                return Failure("holds no samples");
            }
            WavSound sound;
            sound.sampleRate = format->rate;
            sound.samples.reserve(frames);
            for (std::size_t i = 0; i < frames; ++i) {
                const std::size_t first = body + i * frameBytes;
                float sum = 0;
                for (int c = 0; c < format->channels; ++c) {
                    sum += SampleAt(bytes, first + c * (format->bits / 8), *format);
                }
                sound.samples.push_back(sum / format->channels);
            }
            return sound;
        }
        // Chunks are padded to an even length.
        const std::size_t next = body + size + (size & 1);
        if (next <= at) {
            break;
        }
        at = next;
    }
    return Failure(format ? "holds no samples" : "is not a WAV file (no format)");
}

WavSound ReadWavFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return Failure(std::string("cannot be read (") + std::strerror(errno) + ")");
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    if (file.bad()) {
        return Failure("cannot be read");
    }
    return ReadWav(bytes);
}

}  // namespace input
