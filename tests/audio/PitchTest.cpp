// What the built-in synthesizer sounds for each key the staff can send, measured.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

#include "PitchEstimator.h"
#include "midi/fluidsynth/AudioSettings.h"
#include "midi/fluidsynth/FluidSynthEngine.h"

namespace {

constexpr int kRate = audio_settings::kSampleRate;
const PitchSearch kSearch{kRate, 60.0, 1200.0, 4096};

std::vector<float> Tone(std::initializer_list<std::pair<double, double>> partials) {
    std::vector<float> samples(8192);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        for (const auto& [hz, amplitude] : partials) {
            samples[i] +=
                static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * i / kRate));
        }
    }
    return samples;
}

// The left channel of what the synth plays next, with no audio driver involved.
std::vector<float> Render(FluidSynthEngine& engine, int frames) {
    std::vector<float> left(frames);
    std::vector<float> right(frames);
    fluid_synth_write_float(engine.Synth(), frames, left.data(), 0, 1, right.data(), 0, 1);
    return left;
}

TEST(PitchEstimator, FindsTheFundamentalOfKnownTones) {
    struct Case {
        std::vector<float> tone;
        double hz;
    };
    const Case cases[] = {
        {Tone({{82.41, 1.0}}), 82.41},
        {Tone({{880.0, 1.0}}), 880.0},
        // A second harmonic louder than the fundamental must not read as the octave above.
        {Tone({{110.0, 0.4}, {220.0, 1.0}, {330.0, 0.5}}), 110.0},
    };
    for (const Case& c : cases) {
        const auto hz = EstimatePitch(c.tone, kSearch);
        ASSERT_TRUE(hz.has_value()) << c.hz;
        EXPECT_NEAR(Cents(*hz, c.hz), 0.0, 2.0) << c.hz;
    }
    EXPECT_FALSE(EstimatePitch(std::vector<float>(8192, 0.0F), kSearch).has_value());
}

class BuiltInSynth : public testing::Test {
  protected:
    void SetUp() override {
        if (FluidSynthEngine::Load(audio_settings::kDefaultSoundfont) == nullptr) {
            GTEST_SKIP() << "the General MIDI soundfont is not installed";
        }
    }
};

TEST_F(BuiltInSynth, EveryStaffKeySoundsAtItsEqualTemperedPitch) {
    double worstCents = 0.0;
    for (int key = 40; key <= 81; ++key) {
        // A fresh synth for each key: no earlier note or reverb tail in the way.
        auto engine = FluidSynthEngine::Load(audio_settings::kDefaultSoundfont);
        engine->Send(static_cast<DWORD>(key * 256 + 0x500090));  // what the staff sends
        Render(*engine, kRate / 8);                              // let the attack pass
        const auto hz = EstimatePitch(Render(*engine, kRate / 4), kSearch);
        ASSERT_TRUE(hz.has_value()) << "key " << key;
        const double expected = 440.0 * std::pow(2.0, (key - 69) / 12.0);
        EXPECT_NEAR(Cents(*hz, expected), 0.0, kSoundfontTuningCents) << "key " << key;
        worstCents = std::max(worstCents, std::abs(Cents(*hz, expected)));
    }
    std::printf("worst pitch error over keys 40 to 81: %.2f cents\n", worstCents);
}

}  // namespace
