// The WAV reader on good files of each kind it reads and on broken ones: samples or a
// reason, never a read past the bytes it was given.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "input/wav/WavFile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void Tag(Bytes& b, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

struct Layout {
    std::uint16_t code = 1;
    int channels = 1;
    std::uint32_t rate = 48000;
    int bits = 16;
    Bytes data = {0x00, 0x40, 0x00, 0xC0};  // +0.5, -0.5 as 16-bit
    std::uint32_t dataSize = 0xFFFFFFFF;    // the data's own length unless given
    bool fmtFirst = true;
    std::uint32_t fmtSize = 16;
};

Bytes Wav(const Layout& l) {
    Bytes fmt;
    Tag(fmt, "fmt ");
    Put(fmt, l.fmtSize, 4);
    Put(fmt, l.code, 2);
    Put(fmt, l.channels, 2);
    Put(fmt, l.rate, 4);
    Put(fmt, l.rate * l.channels * l.bits / 8, 4);
    Put(fmt, l.channels * l.bits / 8, 2);
    Put(fmt, l.bits, 2);
    for (std::uint32_t i = 16; i < l.fmtSize; ++i) {
        fmt.push_back(i == 24 ? 3 : 0);  // an extensible format's subformat: float
    }
    Bytes data;
    Tag(data, "data");
    Put(data, l.dataSize == 0xFFFFFFFF ? l.data.size() : l.dataSize, 4);
    data.insert(data.end(), l.data.begin(), l.data.end());
    Bytes wav;
    Tag(wav, "RIFF");
    Put(wav, 4 + fmt.size() + data.size(), 4);
    Tag(wav, "WAVE");
    const Bytes& first = l.fmtFirst ? fmt : data;
    const Bytes& second = l.fmtFirst ? data : fmt;
    wav.insert(wav.end(), first.begin(), first.end());
    wav.insert(wav.end(), second.begin(), second.end());
    return wav;
}

Bytes Cut(Bytes b, std::size_t keep) {
    b.resize(keep);
    return b;
}

Bytes FloatSamples(std::initializer_list<float> values) {
    Bytes b;
    for (const float v : values) {
        std::uint32_t raw = 0;
        std::memcpy(&raw, &v, 4);
        Put(b, raw, 4);
    }
    return b;
}

struct WavCase {
    const char* name;
    Bytes bytes;
    std::string error;
    int rate;
    std::vector<float> samples;
};

class WavReading : public ::testing::TestWithParam<WavCase> {};

TEST_P(WavReading, GivesMonoSamplesOrTheReason) {
    const WavCase& c = GetParam();
    const input::WavSound sound = input::ReadWav(c.bytes);
    EXPECT_EQ(sound.error, c.error);
    EXPECT_EQ(sound.sampleRate, c.rate);
    ASSERT_EQ(sound.samples.size(), c.samples.size());
    for (std::size_t i = 0; i < c.samples.size(); ++i) {
        EXPECT_NEAR(sound.samples[i], c.samples[i], 1e-6) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, WavReading,
    ::testing::Values(
        WavCase{"Pcm16Mono", Wav({}), "", 48000, {0.5f, -0.5f}},
        WavCase{"Pcm24StereoMixedDown",
                Wav({.channels = 2,
                     .rate = 44100,
                     .bits = 24,
                     .data = {0, 0, 0x40, 0, 0, 0x20, 0, 0, 0xC0, 0, 0, 0xC0}}),
                "",
                44100,
                {0.375f, -0.5f}},
        WavCase{
            "Pcm32", Wav({.rate = 16000, .bits = 32, .data = {0, 0, 0, 0x40}}), "", 16000, {0.5f}},
        WavCase{"Float32AndNotANumberSilenced",
                Wav({.code = 3,
                     .rate = 96000,
                     .bits = 32,
                     .data = FloatSamples({0.25f, std::nanf("")})}),
                "",
                96000,
                {0.25f, 0.0f}},
        WavCase{"ExtensibleFloat",
                Wav({.code = 0xFFFE, .bits = 32, .data = FloatSamples({-1.0f}), .fmtSize = 40}),
                "",
                48000,
                {-1.0f}},
        WavCase{"HalfAFrameLeftOver", Wav({.data = {0x00, 0x40, 0x00}}), "", 48000, {0.5f}},
        WavCase{"Empty", {}, "is not a WAV file", 0, {}},
        WavCase{"NotRiff", Cut(Bytes(64, 'x'), 64), "is not a WAV file", 0, {}},
        WavCase{"RiffWithoutChunks", Cut(Wav({}), 12), "is not a WAV file (no format)", 0, {}},
        WavCase{"CutInTheFormat", Cut(Wav({}), 30), "is cut short in its format", 0, {}},
        WavCase{"FormatTooSmall", Wav({.fmtSize = 14}), "is cut short in its format", 0, {}},
        WavCase{"CutInTheSamples", Cut(Wav({}), 46), "is cut short in its samples", 0, {}},
        WavCase{"SamplesLongerThanTheFile",
                Wav({.dataSize = 0xFFFFFFF0}),
                "is cut short in its samples",
                0,
                {}},
        WavCase{"NoSamples", Wav({.data = {}}), "holds no samples", 0, {}},
        WavCase{"NoDataChunk", Cut(Wav({}), 36), "holds no samples", 0, {}},
        WavCase{"SamplesBeforeTheFormat",
                Wav({.fmtFirst = false}),
                "has no format before its samples",
                0,
                {}},
        WavCase{"Adpcm", Wav({.code = 2}), "holds not PCM or float samples", 0, {}},
        WavCase{"EightBit",
                Wav({.bits = 8}),
                "holds PCM samples of 8 bits (16, 24 or 32 are read)",
                0,
                {}},
        WavCase{"Float64",
                Wav({.code = 3, .bits = 64}),
                "holds float samples of 64 bits (32 are read)",
                0,
                {}},
        WavCase{"ThreeChannels",
                Wav({.channels = 3}),
                "holds 3 channels (mono or stereo are read)",
                0,
                {}},
        WavCase{"RateTooLow",
                Wav({.rate = 8000}),
                "holds a rate of 8000 Hz (16000 to 96000 are read)",
                0,
                {}},
        WavCase{"RateTooHigh",
                Wav({.rate = 192000}),
                "holds a rate of 192000 Hz (16000 to 96000 are read)",
                0,
                {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
