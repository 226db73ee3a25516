// Finds the fundamental frequency of a steady tone with the YIN method: the cumulative-mean
// normalised difference function picks the shortest period whose dip is deep enough, which
// keeps a piano's strong second harmonic from passing for the fundamental and keeps
// multiples of the period from passing for it too; parabolic interpolation refines the lag.
#pragma once

#include <cmath>
#include <optional>
#include <span>

struct PitchSearch {
    int sampleRate;
    double lowestHz;
    double highestHz;
    int window;  // samples compared per lag; at least two periods of the lowest pitch
    double dipThreshold = 0.15;  // a dip below this share of the mean difference is a period
};

// Null when no lag looks periodic, e.g. for silence. Needs window + the longest lag samples.
std::optional<double> EstimatePitch(std::span<const float> samples, const PitchSearch& search);

// How far `measured` is from `expected`, in hundredths of a semitone.
inline double Cents(double measured, double expected) {
    return 1200.0 * std::log2(measured / expected);
}

// A wrong key or sample rate is 100 cents or more away; a soundfont's own tuning strays by
// far less (FluidR3_GM's piano sounds about 25 cents sharp).
constexpr double kSoundfontTuningCents = 40.0;
