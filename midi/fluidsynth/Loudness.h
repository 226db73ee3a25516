// How loud the built-in synthesizer plays. Soundfonts differ by several decibels (FluidR3_GM
// is louder than TimGM6mb), so the gain is set from the loaded soundfont itself: one note is
// rendered offline at start and the gain chosen so that it peaks at kOneNotePeakDb. Notes
// struck together add up; whatever reaches the output is then bent smoothly below full
// scale, so a fast drag over the staff never clips, whichever soundfont is installed.
#pragma once

#include <fluidsynth/types.h>

namespace loudness {

// A note the staff sends (key 71, velocity 80) peaks here: clearly heard, with room for
// the thirteen notes of a fast drag.
inline constexpr double kOneNotePeakDb = -16.5;

// Sets the synth's gain so that one note peaks at kOneNotePeakDb; leaves it silent.
void MatchOneNotePeak(fluid_synth_t* synth);

// Bends each sample past half scale towards full scale, which no sample reaches: below
// -6 dBFS nothing changes.
void KeepBelowFullScale(float* samples, int count);

}  // namespace loudness
