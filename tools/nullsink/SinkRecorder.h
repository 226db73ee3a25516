// Records a PulseAudio source (a null sink's monitor) on a thread of its own, in small
// fragments, noting when each arrived, so that a sound can be found both in level and in
// time: when its first sample went past a threshold.
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class SinkRecorder {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kRate = 48000;

    explicit SinkRecorder(const std::string& source);
    ~SinkRecorder();
    SinkRecorder(const SinkRecorder&) = delete;
    SinkRecorder& operator=(const SinkRecorder&) = delete;

    bool Recording() const { return m_recording; }

    // Mono (the louder channel), -1 to 1, from the start of recording.
    std::vector<float> Samples() const;
    size_t SampleCount() const;
    // When the sample at `index` reached the monitor, as near as the fragments tell.
    Clock::time_point TimeOf(size_t index) const;
    // The first sample from `from` on whose magnitude reaches `threshold`.
    std::optional<size_t> FirstAbove(size_t from, float threshold) const;
    // Waits until no sample of the last `quiet` reached `threshold`, at most `bound`.
    bool WaitForQuiet(float threshold, std::chrono::milliseconds quiet,
                      std::chrono::milliseconds bound) const;
    // The largest magnitude from `from` on, in dBFS.
    double PeakDb(size_t from) const;

  private:
    void Record();

    std::string m_source;
    std::atomic<bool> m_recording = false;
    std::atomic<bool> m_stop = false;
    mutable std::mutex m_mutex;
    std::vector<float> m_samples;
    std::vector<std::pair<size_t, Clock::time_point>> m_arrivals;  // end of each fragment
    std::thread m_thread;
};
