// The default PulseAudio source (PipeWire serves the same protocol), read through the
// simple API: it blocks, which is what a thread of our own wants, and asks for fragments
// of one hop so that a note reaches the detector without waiting for a larger buffer.
#include <pulse/error.h>
#include <pulse/simple.h>

#include "input/microphone/AudioCapture.h"

namespace input {

namespace {

CaptureProblem ProblemOf(int error) {
    switch (error) {
        case PA_ERR_ACCESS:
        case PA_ERR_AUTHKEY:
            return CaptureProblem::Refused;
        default:
            return CaptureProblem::NoMicrophone;
    }
}

class PulseCapture : public AudioCapture {
  public:
    ~PulseCapture() override {
        if (m_stream != nullptr) {
            pa_simple_free(m_stream);
        }
    }

    CaptureStatus Open(int sampleRate, int hopSamples) override {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32LE, static_cast<std::uint32_t>(sampleRate), 1};
        const auto hopBytes = static_cast<std::uint32_t>(hopSamples * sizeof(float));
        const pa_buffer_attr attr{.maxlength = hopBytes * 200,
                                  .tlength = static_cast<std::uint32_t>(-1),
                                  .prebuf = static_cast<std::uint32_t>(-1),
                                  .minreq = static_cast<std::uint32_t>(-1),
                                  .fragsize = hopBytes};
        int error = 0;
        m_stream = pa_simple_new(nullptr, "Canzet", PA_STREAM_RECORD, nullptr, "Listening", &spec,
                                 nullptr, &attr, &error);
        if (m_stream == nullptr) {
            return {ProblemOf(error), pa_strerror(error)};
        }
        return {};
    }

    CaptureStatus Read(float* samples, std::size_t count) override {
        int error = 0;
        if (pa_simple_read(m_stream, samples, count * sizeof(float), &error) < 0) {
            return {CaptureProblem::Lost, pa_strerror(error)};
        }
        return {};
    }

    double LatencyMs() override {
        int error = 0;
        const pa_usec_t latency = pa_simple_get_latency(m_stream, &error);
        return latency == static_cast<pa_usec_t>(-1) ? 0 : latency / 1000.0;
    }

  private:
    pa_simple* m_stream = nullptr;
};

}  // namespace

std::unique_ptr<AudioCapture> MakeSystemCapture() {
    return std::make_unique<PulseCapture>();
}

}  // namespace input
