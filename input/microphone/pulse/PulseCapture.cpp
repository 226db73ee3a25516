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
        const std::uint32_t bufferBytes = hopBytes * 200;
        m_bufferMs = 1000.0 * bufferBytes / sizeof(float) / sampleRate;
        const pa_buffer_attr attr{.maxlength = bufferBytes,
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
        // Now and then the library reports a negative latency wrapped round to a huge one,
        // which would put a note's onset years before the question: more than the buffer
        // and a device can hold is not known.
        const double ms = latency / 1000.0;
        return latency == static_cast<pa_usec_t>(-1) || ms > m_bufferMs + kDeviceLatencyMs ? 0 : ms;
    }

  private:
    static constexpr double kDeviceLatencyMs = 1000;
    pa_simple* m_stream = nullptr;
    double m_bufferMs = 0;
};

}  // namespace

std::unique_ptr<AudioCapture> MakeSystemCapture() {
    return std::make_unique<PulseCapture>();
}

}  // namespace input
