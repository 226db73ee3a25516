#include "input/pitch/PitchDetector.h"

#include <algorithm>
#include <cmath>

#include "input/pitch/ListenSettings.h"

namespace input {

namespace {

constexpr double kTargetRate = 12000;
constexpr double kHopSeconds = 0.005;
constexpr double kHumCornerHz = 70;
// The share of aperiodic power a period's dip may hold and still be chosen before the
// longer ones. At 0.1 the first unsettled periods of a plucked string and a sampled
// trumpet's weak subharmonic came out an octave or a twelfth low for longer than a hold.
constexpr double kYinThreshold = 0.2;
// The periods searched: from half a semitone below E2 at the lowest A4 to well above C6,
// so that a note too high is heard as too high and not as its lower octave.
constexpr struct {
    double lowHz, highHz;
} kSearched{82.407 * ListenSettings::kMinA4Hz / 440.0 * 0.9715, 2500};

int DecimationOf(int rate) {
    return std::max(1, static_cast<int>(rate / kTargetRate));
}

double Decibels(double sumOfSquares, int count) {
    const double meanSquare = count > 0 ? sumOfSquares / count : 0;
    return meanSquare > 1e-12 ? 10.0 * std::log10(meanSquare) : -120.0;
}

}  // namespace

PitchDetector::PitchDetector(int sampleRate)
    : m_rate(sampleRate),
      m_factor(DecimationOf(sampleRate)),
      m_rateOut(static_cast<double>(sampleRate) / m_factor),
      m_hop(static_cast<int>(std::lround(m_rateOut * kHopSeconds))),
      m_lowPass(Biquad::Kind::LowPass, 0.4 * m_rateOut, double(sampleRate)),
      m_highPass(Biquad::Kind::HighPass, kHumCornerHz, m_rateOut),
      m_yin(static_cast<int>(m_rateOut / kSearched.highHz),
            static_cast<int>(std::ceil(m_rateOut / kSearched.lowHz)),
            static_cast<int>(std::ceil(0.7 * m_rateOut / kSearched.lowHz)), kYinThreshold),
      m_frame(m_yin.FrameLength(), 0.0f) {}

double PitchDetector::FrameMs() const {
    return 1000.0 * static_cast<double>(m_frame.size()) / m_rateOut;
}

void PitchDetector::Feed(const float* samples, std::size_t count,
                         const std::function<void(const PitchFrame&)>& frame) {
    const std::size_t length = m_frame.size();
    for (std::size_t i = 0; i < count; ++i) {
        double x = m_lowPass.Process(samples[i]);
        ++m_samples;
        if (++m_phase < m_factor) {
            continue;
        }
        m_phase = 0;
        x = m_highPass.Process(x);
        m_frame[length - m_hop + m_filled] = static_cast<float>(x);
        if (++m_filled == m_hop) {
            frame(Analyse());
            std::copy(m_frame.begin() + m_hop, m_frame.end(), m_frame.begin());
            m_filled = 0;
        }
    }
}

PitchFrame PitchDetector::Analyse() {
    double frameSum = 0;
    double hopSum = 0;
    const int length = static_cast<int>(m_frame.size());
    for (int i = 0; i < length; ++i) {
        const double square = double(m_frame[i]) * m_frame[i];
        frameSum += square;
        if (i >= length - m_hop) {
            hopSum += square;
        }
    }
    PitchFrame frame{.timeMs = 1000.0 * static_cast<double>(m_samples) / m_rate,
                     .hopMs = 1000.0 * m_hop * m_factor / m_rate,
                     .levelDb = Decibels(frameSum, length),
                     .hopLevelDb = Decibels(hopSum, m_hop)};
    if (frameSum > 0) {
        const YinEstimate estimate = m_yin.Estimate(m_frame.data());
        frame.aperiodicity = estimate.aperiodicity;
        frame.hz = m_rateOut / estimate.period;
    }
    return frame;
}

}  // namespace input
