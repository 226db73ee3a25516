// The YIN fundamental-frequency estimator (de Cheveigné and Kawahara, JASA 111(4), 2002):
// the difference function, its cumulative mean normalised form, the absolute threshold and
// parabolic interpolation of the chosen dip.
#pragma once

#include <vector>

namespace input {

struct YinEstimate {
    double period = 0;        // in samples
    double aperiodicity = 1;  // the normalised difference at the dip: 0 is perfectly periodic
};

class YinEstimator {
  public:
    // Periods from `minLag` to `maxLag` samples, summed over `window` samples.
    YinEstimator(int minLag, int maxLag, int window, double threshold);

    // Frame() holds the newest window + maxLag samples, oldest first.
    int FrameLength() const { return m_window + m_maxLag; }
    YinEstimate Estimate(const float* frame);

  private:
    int m_minLag;
    int m_maxLag;
    int m_window;
    double m_threshold;
    std::vector<float> m_normalised;
};

}  // namespace input
