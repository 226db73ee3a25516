#include "PitchEstimator.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace {

std::vector<double> NormalisedDifference(std::span<const float> x, int window, int longestLag) {
    std::vector<double> normalised(longestLag + 1, 1.0);
    double runningSum = 0.0;
    for (int lag = 1; lag <= longestLag; ++lag) {
        double difference = 0.0;
        for (int j = 0; j < window; ++j) {
            const double delta = static_cast<double>(x[j]) - x[j + lag];
            difference += delta * delta;
        }
        runningSum += difference;
        normalised[lag] = runningSum > 0.0 ? difference * lag / runningSum : 1.0;
    }
    return normalised;
}

// The vertex of the parabola through the three points around a minimum.
double RefineLag(const std::vector<double>& d, int lag) {
    if (lag <= 1 || lag + 1 >= static_cast<int>(d.size())) {
        return lag;
    }
    const double left = d[lag - 1];
    const double middle = d[lag];
    const double right = d[lag + 1];
    const double curvature = left - 2.0 * middle + right;
    return curvature > 0.0 ? lag + 0.5 * (left - right) / curvature : lag;
}

}  // namespace

std::optional<double> EstimatePitch(std::span<const float> samples, const PitchSearch& search) {
    const int shortestLag = static_cast<int>(search.sampleRate / search.highestHz);
    const int longestLag = static_cast<int>(std::ceil(search.sampleRate / search.lowestHz));
    if (samples.size() < static_cast<std::size_t>(search.window + longestLag)) {
        return std::nullopt;
    }
    const std::vector<double> d = NormalisedDifference(samples, search.window, longestLag);
    int best = -1;
    for (int lag = std::max(shortestLag, 2); lag < longestLag; ++lag) {
        if (d[lag] < search.dipThreshold) {
            while (lag + 1 < longestLag && d[lag + 1] < d[lag]) {
                ++lag;  // slide down to the bottom of this dip
            }
            best = lag;
            break;
        }
    }
    if (best < 0) {
        return std::nullopt;
    }
    return search.sampleRate / RefineLag(d, best);
}
