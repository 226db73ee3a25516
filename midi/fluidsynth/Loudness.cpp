#include "midi/fluidsynth/Loudness.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "midi/fluidsynth/AudioSettings.h"

namespace loudness {

namespace {

constexpr int kKey = 71;
constexpr int kVelocity = 80;
// A piano note's peak comes within its attack.
constexpr int kMeasuredFrames = audio_settings::kSampleRate / 5;
constexpr float kKnee = 0.5F;

}  // namespace

void MatchOneNotePeak(fluid_synth_t* synth) {
    std::vector<float> left(kMeasuredFrames);
    std::vector<float> right(kMeasuredFrames);
    fluid_synth_noteon(synth, 0, kKey, kVelocity);
    fluid_synth_write_float(synth, kMeasuredFrames, left.data(), 0, 1, right.data(), 0, 1);
    // Voices and the reverb's tail go before the first sound is heard.
    fluid_synth_system_reset(synth);
    float peak = 0.0F;
    for (int i = 0; i < kMeasuredFrames; ++i) {
        peak = std::max({peak, std::abs(left[static_cast<size_t>(i)]),
                         std::abs(right[static_cast<size_t>(i)])});
    }
    if (peak <= 0.0F) {
        return;  // a soundfont without a piano keeps the gain it has
    }
    const double wanted = std::pow(10.0, kOneNotePeakDb / 20.0);
    fluid_synth_set_gain(synth, static_cast<float>(fluid_synth_get_gain(synth) * wanted / peak));
}

void KeepBelowFullScale(float* samples, int count) {
    for (int i = 0; i < count; ++i) {
        const float magnitude = std::abs(samples[i]);
        if (magnitude > kKnee) {
            // tanh keeps the slope at the knee and never reaches 1.
            const float bent =
                kKnee + (1.0F - kKnee) * std::tanh((magnitude - kKnee) / (1.0F - kKnee));
            samples[i] = std::copysign(bent, samples[i]);
        }
    }
}

}  // namespace loudness
