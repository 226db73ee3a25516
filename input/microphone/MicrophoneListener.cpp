#include "input/microphone/MicrophoneListener.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "input/microphone/ListenThread.h"
#include "input/pitch/NoteListener.h"

namespace input {

namespace {

constexpr double kLevelEveryMs = 1000.0 / 30;
constexpr double kConfidentAperiodicity = 0.3;

double SteadyMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

struct MicrophoneListener::Shared {
    std::unique_ptr<AudioCapture> capture;
    ListenSettings settings;
    MicrophoneSinks sinks;
    std::atomic<bool> stop{false};   // read on the listening thread
    bool closed = false;             // the window's thread only
    std::atomic<bool> ended{false};  // the thread is done
    std::unique_ptr<ListenThread> thread;

    // Hands `tell` to the window's thread, where it runs unless the listener is gone.
    static void Post(const std::shared_ptr<Shared>& shared, std::function<void()> tell) {
        shared->sinks.post([shared, tell = std::move(tell)] {
            if (!shared->closed) {
                tell();
            }
        });
    }

    static void Run(const std::shared_ptr<Shared>& shared);
};

namespace {

constexpr auto kJoinWait = std::chrono::milliseconds(300);

}  // namespace

MicrophoneListener::MicrophoneListener(std::unique_ptr<AudioCapture> capture,
                                       const ListenSettings& settings, MicrophoneSinks sinks)
    : m_shared(std::make_shared<Shared>()) {
    m_shared->capture = std::move(capture);
    m_shared->settings = settings;
    m_shared->sinks = std::move(sinks);
}

MicrophoneListener::~MicrophoneListener() {
    m_shared->closed = true;
    m_shared->stop = true;
    ListenThread* thread = m_shared->thread.get();
    if (thread == nullptr) {
        return;
    }
    const auto until = std::chrono::steady_clock::now() + kJoinWait;
    while (!m_shared->ended && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (m_shared->ended) {
        thread->Join();
    } else {
        thread->Detach();
    }
}

bool MicrophoneListener::Start() {
    Shared& s = *m_shared;
    CaptureStatus opened =
        s.capture->Open(kSampleRate, NoteListener(kSampleRate, s.settings).HopSamples());
    if (opened.problem == CaptureProblem::None) {
        s.thread = StartListenThread([shared = m_shared] {
            Shared::Run(shared);
            shared->ended = true;
        });
        if (s.thread != nullptr) {
            return true;
        }
        opened = {CaptureProblem::NoMicrophone, "no thread to listen on"};
    }
    Shared::Post(m_shared, [problem = s.sinks.problem, opened] { problem(opened); });
    return false;
}

void MicrophoneListener::Shared::Run(const std::shared_ptr<Shared>& shared) {
    Shared& s = *shared;
    NoteListener listener(kSampleRate, s.settings);
    std::vector<float> hop(static_cast<std::size_t>(listener.HopSamples()));
    double streamMs = 0;
    double lastLevelMs = -kLevelEveryMs;
    while (!s.stop) {
        const CaptureStatus read = s.capture->Read(hop.data(), hop.size());
        if (s.stop) {
            return;
        }
        if (read.problem != CaptureProblem::None) {
            Post(shared, [problem = s.sinks.problem, read] { problem(read); });
            return;
        }
        // The newest sample was heard LatencyMs() ago: the stream's clock against the
        // steady one.
        const double nowMs = SteadyMs() - s.capture->LatencyMs();
        streamMs += 1000.0 * static_cast<double>(hop.size()) / kSampleRate;
        listener.Feed(
            hop.data(), hop.size(),
            [&](const HeardNote& note) {
                const KeyEvent event{.key = note.key,
                                     .down = true,
                                     .timeMs = std::llround(nowMs - (streamMs - note.onsetMs))};
                Post(shared, [key = s.sinks.key, event] { key(event); });
            },
            [&](const PitchFrame& frame) {
                if (frame.timeMs - lastLevelMs < kLevelEveryMs) {
                    return;
                }
                lastLevelMs = frame.timeMs;
                const HeardLevel level{
                    .levelDb = frame.levelDb,
                    .hz = frame.aperiodicity < kConfidentAperiodicity ? frame.hz : 0};
                Post(shared, [sink = s.sinks.level, level] { sink(level); });
            });
    }
}

}  // namespace input
