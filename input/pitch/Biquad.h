// One second-order section of a Butterworth filter (bilinear transform), run in double so
// that a 70 Hz high-pass stays exact at any device rate.
#pragma once

namespace input {

class Biquad {
  public:
    enum class Kind { LowPass, HighPass };
    // `q` sets the section's place in a cascade (see ButterworthFilter).
    Biquad(Kind kind, double cornerHz, double sampleRate, double q);

    double Process(double x) {
        const double y = m_b0 * x + m_z1;
        m_z1 = m_b1 * x - m_a1 * y + m_z2;
        m_z2 = m_b2 * x - m_a2 * y;
        return y;
    }

  private:
    double m_b0 = 0, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_z1 = 0, m_z2 = 0;
};

}  // namespace input
