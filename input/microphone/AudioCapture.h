// A microphone as the listener reads it: opened at a rate, then read in blocking pieces of
// mono float samples on the listener's own thread. One backend per system.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace input {

enum class CaptureProblem { None, NoMicrophone, Refused, Lost };

struct CaptureStatus {
    CaptureProblem problem = CaptureProblem::None;
    std::string detail;  // the system's own words, English
};

class AudioCapture {
  public:
    virtual ~AudioCapture() = default;
    // Opens the default input at `sampleRate`, handing `hopSamples` at a time.
    virtual CaptureStatus Open(int sampleRate, int hopSamples) = 0;
    // Fills `samples` with the next `count`; blocks until they came. Lost when the device
    // went away.
    virtual CaptureStatus Read(float* samples, std::size_t count) = 0;
    // How long ago, in ms, the newest sample read was heard.
    virtual double LatencyMs() = 0;
};

// The system's microphone: PulseAudio (or PipeWire's) on Linux, none where there is none.
std::unique_ptr<AudioCapture> MakeSystemCapture();

}  // namespace input
