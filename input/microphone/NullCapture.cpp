// Where the build has no capture backend: there is no microphone to open.
#include "input/microphone/AudioCapture.h"

namespace input {

namespace {

class NullCapture : public AudioCapture {
  public:
    CaptureStatus Open(int, int) override {
        return {CaptureProblem::NoMicrophone, "no audio input in this build"};
    }
    CaptureStatus Read(float*, std::size_t) override {
        return {CaptureProblem::Lost, "no audio input in this build"};
    }
    double LatencyMs() override { return 0; }
};

}  // namespace

std::unique_ptr<AudioCapture> MakeSystemCapture() {
    return std::make_unique<NullCapture>();
}

}  // namespace input
