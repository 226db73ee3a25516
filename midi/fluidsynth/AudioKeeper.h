// Keeps the built-in synthesizer heard. A thread of its own watches that the audio driver
// still asks for samples; when it stops (the sound server exited or restarted), or when no
// output opened at all, it opens one again every second. The window never waits for it.
//
// FluidSynth's drivers give no status and report a lost server only in a log line, which
// differs by driver and version; a driver that renders keeps calling back, whatever the
// server, so a callback that stops coming is the one sign every driver gives alike.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class FluidSynthEngine;

class AudioKeeper {
  public:
    // A driver that called back within this is alive.
    static constexpr std::chrono::milliseconds kSilentAfter{700};
    static constexpr std::chrono::milliseconds kWatchEvery{100};
    static constexpr std::chrono::milliseconds kRetryEvery{1000};

    // `engine` has its audio running, or not yet, and then `whyNot` says why.
    AudioKeeper(std::unique_ptr<FluidSynthEngine> engine, std::vector<std::string> drivers,
                std::string whyNot);
    // Waits for the thread, which may be stuck in a sound server that hangs.
    ~AudioKeeper();
    AudioKeeper(const AudioKeeper&) = delete;
    AudioKeeper& operator=(const AudioKeeper&) = delete;

    // Told, on the keeper's thread, when the output is lost or found again.
    void SetListener(std::function<void()> listener);
    // Stops telling and trying; quick. The destructor then only waits for the thread.
    void Stop();

    FluidSynthEngine& Engine() { return *m_engine; }

    struct Output {
        bool heard = false;
        bool lost = false;   // was heard, and went
        std::string title;   // the driver heard, or the one lost ("PulseAudio")
        std::string whyNot;  // why none opened at start
    };
    Output Now() const;
    // Whether an output renders now, as Now().heard says; cheap enough for every note.
    bool Heard() const { return m_heard; }

  private:
    void Keep();
    bool TryDrivers(std::string& whyNot);
    void Tell();

    std::unique_ptr<FluidSynthEngine> m_engine;
    std::vector<std::string> m_drivers;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    Output m_output;
    std::atomic<bool> m_heard = false;  // m_output.heard, read without the mutex

    std::mutex m_listenerMutex;  // held while the listener runs, so Stop can outwait it
    std::function<void()> m_listener;
    std::thread m_thread;
};
