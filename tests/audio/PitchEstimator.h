// Finds the fundamental frequency of a steady tone with the YIN method: the cumulative-mean
// normalised difference function picks the shortest period whose dip is deep enough, which
// keeps a piano's strong second harmonic from passing for the fundamental and keeps
// multiples of the period from passing for it too; parabolic interpolation refines the lag.
#pragma once

#include <optional>
#include <span>

struct PitchSearch {
    int sampleRate;
    double lowestHz;
    double highestHz;
    int window;  // samples compared per lag; at least two periods of the lowest pitch
};

// Null when no lag looks periodic, e.g. for silence. Needs window + the longest lag samples.
std::optional<double> EstimatePitch(std::span<const float> samples, const PitchSearch& search);
