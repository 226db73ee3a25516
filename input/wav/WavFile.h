// Reads a RIFF WAVE file held in memory: PCM of 16, 24 or 32 bits or 32-bit float, mono or
// stereo, 16 to 96 kHz, mixed down to one channel. Every field is read only after checking
// that the bytes are there, so any file, however broken, gives samples or a reason.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace input {

struct WavSound {
    int sampleRate = 0;
    std::vector<float> samples;  // mono, full scale is 1
    std::string error;           // empty when read; else what is wrong: "is cut short in..."
};

WavSound ReadWav(std::span<const std::uint8_t> bytes);
// The file read whole, then as above.
WavSound ReadWavFile(const std::string& path);

}  // namespace input
