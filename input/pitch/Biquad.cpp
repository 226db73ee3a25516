#include "input/pitch/Biquad.h"

#include <cmath>
#include <numbers>

namespace input {

Biquad::Biquad(Kind kind, double cornerHz, double sampleRate, double q) {
    const double w = 2.0 * std::numbers::pi * cornerHz / sampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    const double side = kind == Kind::LowPass ? (1.0 - c) / 2.0 : (1.0 + c) / 2.0;
    m_b0 = side / a0;
    m_b1 = (kind == Kind::LowPass ? 2.0 * side : -2.0 * side) / a0;
    m_b2 = side / a0;
    m_a1 = -2.0 * c / a0;
    m_a2 = (1.0 - alpha) / a0;
}

}  // namespace input
