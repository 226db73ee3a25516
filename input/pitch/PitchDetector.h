// Turns a mono stream at the device's rate into one PitchFrame per hop of about 5 ms:
// a low-pass and decimation to about 12 kHz (C6 still has a dozen samples a period, and
// YIN's cost falls with the square of the rate), a 70 Hz high-pass against mains hum, and
// YIN over a frame of about two periods of the lowest note (22 ms): every period up to
// E2's, each compared over seven tenths of E2's period.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "input/pitch/ButterworthFilter.h"
#include "input/pitch/PitchFrame.h"
#include "input/pitch/YinEstimator.h"

namespace input {

class PitchDetector {
  public:
    // `sampleRate` from 8000 to 192000.
    explicit PitchDetector(int sampleRate);

    // The hop in samples at the device's rate; Feed calls `frame` once for each.
    int HopSamples() const { return m_hop * m_factor; }
    int SampleRate() const { return m_rate; }
    // The analysis frame's length in ms: how far back the newest estimate looks.
    double FrameMs() const;

    void Feed(const float* samples, std::size_t count,
              const std::function<void(const PitchFrame&)>& frame);

  private:
    PitchFrame Analyse();

    int m_rate;
    int m_factor;  // decimation
    double m_rateOut;
    int m_hop;  // in decimated samples
    ButterworthFilter m_lowPass;
    ButterworthFilter m_highPass;
    YinEstimator m_yin;
    std::vector<float> m_frame;  // the newest decimated samples, oldest first
    int m_phase = 0;             // input samples since the last decimated one
    int m_filled = 0;            // decimated samples in the current hop
    long long m_samples = 0;     // input samples fed so far
};

}  // namespace input
