// A 4th-order Butterworth filter: two second-order sections in a row, one for each pair of
// poles.
#pragma once

#include "input/pitch/Biquad.h"

namespace input {

class ButterworthFilter {
  public:
    ButterworthFilter(Biquad::Kind kind, double cornerHz, double sampleRate)
        : m_sections{{kind, cornerHz, sampleRate, 0.5412}, {kind, cornerHz, sampleRate, 1.3066}} {}

    double Process(double x) { return m_sections[1].Process(m_sections[0].Process(x)); }

  private:
    Biquad m_sections[2];
};

}  // namespace input
