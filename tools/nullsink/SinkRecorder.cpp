#include "tools/nullsink/SinkRecorder.h"

#include <pulse/simple.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFragmentFrames = 48;  // 1 ms: arrival times are that fine

}  // namespace

SinkRecorder::SinkRecorder(const std::string& source) : m_source(source) {
    m_thread = std::thread([this] { Record(); });
    for (int attempt = 0; attempt < 200 && !m_recording && !m_stop; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

SinkRecorder::~SinkRecorder() {
    m_stop = true;
    m_thread.join();
}

void SinkRecorder::Record() {
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32LE, kRate, 2};
    pa_buffer_attr attributes{};
    attributes.maxlength = static_cast<uint32_t>(-1);
    attributes.fragsize = kFragmentFrames * 2 * sizeof(float);
    int error = 0;
    pa_simple* stream =
        pa_simple_new(nullptr, "canzet-recorder", PA_STREAM_RECORD, m_source.c_str(), "monitor",
                      &spec, nullptr, &attributes, &error);
    if (stream == nullptr) {
        m_stop = true;
        return;
    }
    m_recording = true;
    std::vector<float> frames(kFragmentFrames * 2);
    while (!m_stop) {
        if (pa_simple_read(stream, frames.data(), frames.size() * sizeof(float), &error) < 0) {
            break;
        }
        const Clock::time_point arrived = Clock::now();
        std::lock_guard lock(m_mutex);
        for (size_t i = 0; i < frames.size(); i += 2) {
            // The louder channel as it is: a sign taken from the other would add zero
            // crossings that no channel has.
            const float left = frames[i];
            const float right = frames[i + 1];
            m_samples.push_back(std::abs(left) >= std::abs(right) ? left : right);
        }
        m_arrivals.emplace_back(m_samples.size(), arrived);
    }
    m_recording = false;
    pa_simple_free(stream);
}

std::vector<float> SinkRecorder::Samples() const {
    std::lock_guard lock(m_mutex);
    return m_samples;
}

size_t SinkRecorder::SampleCount() const {
    std::lock_guard lock(m_mutex);
    return m_samples.size();
}

SinkRecorder::Clock::time_point SinkRecorder::TimeOf(size_t index) const {
    std::lock_guard lock(m_mutex);
    const auto fragment =
        std::upper_bound(m_arrivals.begin(), m_arrivals.end(), index,
                         [](size_t wanted, const auto& arrival) { return wanted < arrival.first; });
    if (fragment == m_arrivals.end()) {
        return Clock::now();
    }
    // The fragment arrived when its last sample had been captured; count back from there.
    const auto framesAfter = static_cast<long>(fragment->first - 1 - index);
    return fragment->second - std::chrono::microseconds(framesAfter * 1000000L / kRate);
}

std::optional<size_t> SinkRecorder::FirstAbove(size_t from, float threshold) const {
    std::lock_guard lock(m_mutex);
    for (size_t i = from; i < m_samples.size(); ++i) {
        if (std::abs(m_samples[i]) >= threshold) {
            return i;
        }
    }
    return std::nullopt;
}

bool SinkRecorder::WaitForQuiet(float threshold, std::chrono::milliseconds quiet,
                                std::chrono::milliseconds bound) const {
    const size_t quietFrames = static_cast<size_t>(quiet.count()) * kRate / 1000;
    const Clock::time_point giveUp = Clock::now() + bound;
    while (Clock::now() < giveUp) {
        {
            std::lock_guard lock(m_mutex);
            const size_t count = m_samples.size();
            if (count >= quietFrames &&
                std::none_of(m_samples.end() - static_cast<long>(quietFrames), m_samples.end(),
                             [&](float sample) { return std::abs(sample) >= threshold; })) {
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

double SinkRecorder::PeakDb(size_t from) const {
    std::lock_guard lock(m_mutex);
    float peak = 0.0F;
    for (size_t i = from; i < m_samples.size(); ++i) {
        peak = std::max(peak, std::abs(m_samples[i]));
    }
    return peak > 0.0F ? 20.0 * std::log10(peak) : -200.0;
}
