// What the built-in synthesizer sounds for each key the staff can send, measured.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

#include "PitchEstimator.h"
#include "SynthRenderer.h"
#include "midi/fluidsynth/AudioSettings.h"

namespace {

constexpr int kRate = audio_settings::kSampleRate;
constexpr int kLowestStaffKey = 40;
constexpr int kHighestStaffKey = 81;

const PitchSearch kSearch{kRate, 60.0, 1200.0, 4096};
constexpr int kLength = 8192;

double KeyFrequency(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

double Cents(double measured, double expected) {
    return 1200.0 * std::log2(measured / expected);
}

DWORD NoteOn(int key) {
    return static_cast<DWORD>(key * 256 + 0x500090);
}

std::vector<float> Tone(std::initializer_list<std::pair<double, double>> partials, int length) {
    std::vector<float> samples(length);
    for (int i = 0; i < length; ++i) {
        double value = 0.0;
        for (const auto& [hz, amplitude] : partials) {
            value += amplitude * std::sin(2.0 * std::numbers::pi * hz * i / kRate);
        }
        samples[i] = static_cast<float>(value);
    }
    return samples;
}

double Rms(const std::vector<float>& samples) {
    double sum = 0.0;
    for (float sample : samples) {
        sum += static_cast<double>(sample) * sample;
    }
    return std::sqrt(sum / samples.size());
}

// The estimator itself, on tones whose pitch is known exactly.
TEST(PitchEstimator, FindsTheFundamentalOfKnownTones) {
    struct Case {
        const char* name;
        std::vector<float> tone;
        double hz;
    };
    const Case cases[] = {
        {"pure low", Tone({{82.41, 1.0}}, kLength), 82.41},
        {"pure high", Tone({{880.0, 1.0}}, kLength), 880.0},
        // A second harmonic louder than the fundamental must not read as the octave above.
        {"strong second harmonic", Tone({{110.0, 0.4}, {220.0, 1.0}, {330.0, 0.5}}, kLength),
         110.0},
        {"rich piano-like",
         Tone({{261.63, 1.0}, {523.25, 0.8}, {784.9, 0.6}, {1046.5, 0.4}}, kLength), 261.63},
    };
    for (const Case& c : cases) {
        const auto hz = EstimatePitch(c.tone, kSearch);
        ASSERT_TRUE(hz.has_value()) << c.name;
        EXPECT_NEAR(Cents(*hz, c.hz), 0.0, 2.0) << c.name;
    }
}

TEST(PitchEstimator, FindsNoPitchInSilenceOrTooShortInput) {
    EXPECT_FALSE(EstimatePitch(std::vector<float>(8192, 0.0F), kSearch).has_value());
    EXPECT_FALSE(EstimatePitch(Tone({{440.0, 1.0}}, 1000), kSearch).has_value());
}

class BuiltInSynth : public testing::Test {
  protected:
    void SetUp() override {
        if (!m_synth.Loaded()) {
            GTEST_SKIP() << "the General MIDI soundfont is not installed";
        }
    }
    SynthRenderer m_synth;
};

TEST_F(BuiltInSynth, EveryStaffKeySoundsAtItsEqualTemperedPitch) {
    double worstCents = 0.0;
    int worstKey = kLowestStaffKey;
    for (int key = kLowestStaffKey; key <= kHighestStaffKey; ++key) {
        SynthRenderer synth;  // a fresh synth: no earlier note or reverb tail in the way
        synth.Send(NoteOn(key));
        synth.Render(kRate / 8);  // let the attack pass
        const std::vector<float> sustain = synth.Render(kRate / 4);
        const auto hz = EstimatePitch(sustain, kSearch);
        ASSERT_TRUE(hz.has_value()) << "key " << key;
        const double expected = KeyFrequency(key);
        EXPECT_NEAR(*hz, expected, expected * 0.01) << "key " << key;
        if (std::abs(Cents(*hz, expected)) > worstCents) {
            worstCents = std::abs(Cents(*hz, expected));
            worstKey = key;
        }
    }
    RecordProperty("worst_cents_x100", static_cast<int>(worstCents * 100));
    std::printf("worst pitch error over keys %d to %d: %.2f cents (key %d)\n", kLowestStaffKey,
                kHighestStaffKey, worstCents, worstKey);
}

// The message the staff sends before each note-on carries a data byte where the status
// belongs; a synth must not sound anything for it.
TEST_F(BuiltInSynth, MessageWithoutStatusByteStaysSilent) {
    m_synth.Send(0x503C00);
    EXPECT_LT(Rms(m_synth.Render(kRate / 4)), 1e-5);  // only the synth's noise floor
    m_synth.Send(NoteOn(60));
    EXPECT_GT(Rms(m_synth.Render(kRate / 4)), 0.001);
}

TEST_F(BuiltInSynth, NoteOffAndVelocityZeroEndTheNote) {
    for (const DWORD off : {0x003C80U, 0x003C90U}) {
        SynthRenderer synth;
        synth.Send(NoteOn(60));
        synth.Render(kRate / 4);
        synth.Send(off);
        synth.Render(kRate * 2);  // release and reverb tail
        EXPECT_LT(Rms(synth.Render(kRate / 4)), 1e-4) << std::hex << off;
    }
}

}  // namespace
