#include "input/pitch/YinEstimator.h"

namespace input {

YinEstimator::YinEstimator(int minLag, int maxLag, int window, double threshold)
    : m_minLag(minLag),
      m_maxLag(maxLag),
      m_window(window),
      m_threshold(threshold),
      m_normalised(maxLag + 2, 1.0f) {}

YinEstimate YinEstimator::Estimate(const float* frame) {
    // Difference and cumulative mean normalised difference in one pass: the running sum
    // of d(1..tau) is all the normalisation needs. The window is the newest samples, each
    // compared with the one tau before it: a note is seen as soon as a window and one of its
    // periods have sounded, and at its onset the longer lags reach back into what came
    // before it, so its attack is not taken for a multiple of its period.
    double runningSum = 0;
    m_normalised[0] = 1.0f;
    const float* newest = frame + m_maxLag;
    for (int tau = 1; tau <= m_maxLag; ++tau) {
        float d = 0;
        const float* shifted = newest - tau;
        for (int j = 0; j < m_window; ++j) {
            const float delta = newest[j] - shifted[j];
            d += delta * delta;
        }
        runningSum += d;
        m_normalised[tau] = runningSum > 0 ? static_cast<float>(d * tau / runningSum) : 1.0f;
    }

    // The first dip under the threshold, followed down to its bottom. Failing that, the
    // deepest dip; but a dip at a shorter period nearly as deep wins, as the normalisation
    // deepens the dips at multiples of the true period a little.
    int best = -1;
    int deepest = m_minLag;
    for (int tau = m_minLag; tau <= m_maxLag; ++tau) {
        if (best < 0 && m_normalised[tau] < m_threshold) {
            while (tau + 1 <= m_maxLag && m_normalised[tau + 1] < m_normalised[tau]) {
                ++tau;
            }
            best = tau;
            break;
        }
        if (m_normalised[tau] < m_normalised[deepest]) {
            deepest = tau;
        }
    }
    if (best < 0) {
        const float nearlyAsDeep = m_normalised[deepest] * 1.25f + 0.02f;
        best = deepest;
        for (int tau = m_minLag + 1; tau < deepest; ++tau) {
            const bool dip = m_normalised[tau] <= m_normalised[tau - 1] &&
                             m_normalised[tau] <= m_normalised[tau + 1];
            if (dip && m_normalised[tau] <= nearlyAsDeep) {
                best = tau;
                break;
            }
        }
    }

    double period = best;
    if (best > 1 && best < m_maxLag) {
        const double left = m_normalised[best - 1];
        const double mid = m_normalised[best];
        const double right = m_normalised[best + 1];
        const double curve = left - 2 * mid + right;
        if (curve > 0) {
            period += 0.5 * (left - right) / curve;
        }
    }
    return {.period = period, .aperiodicity = m_normalised[best]};
}

}  // namespace input
