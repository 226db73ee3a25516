#include "midi/fluidsynth/AudioKeeper.h"

#include <utility>

#include "midi/fluidsynth/FluidSynthEngine.h"

AudioKeeper::AudioKeeper(std::unique_ptr<FluidSynthEngine> engine, std::vector<std::string> drivers,
                         std::string whyNot)
    : m_engine(std::move(engine)), m_drivers(std::move(drivers)) {
    m_output.heard = m_engine->HasAudio();
    m_heard = m_output.heard;
    m_output.title = m_engine->AudioTitle();
    m_output.whyNot = std::move(whyNot);
    m_thread = std::thread([this] { Keep(); });
}

AudioKeeper::~AudioKeeper() {
    Stop();
    m_thread.join();
}

void AudioKeeper::SetListener(std::function<void()> listener) {
    std::lock_guard lock(m_listenerMutex);
    m_listener = std::move(listener);
}

void AudioKeeper::Stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    SetListener(nullptr);
}

AudioKeeper::Output AudioKeeper::Now() const {
    std::lock_guard lock(m_mutex);
    return m_output;
}

void AudioKeeper::Tell() {
    std::lock_guard lock(m_listenerMutex);
    if (m_listener) {
        m_listener();
    }
}

bool AudioKeeper::TryDrivers(std::string& whyNot) {
    whyNot.clear();
    for (const std::string& driver : m_drivers) {
        std::string why;
        if (m_engine->StartAudio(driver, &why)) {
            return true;
        }
        whyNot += (whyNot.empty() ? "" : "; ") + why;
    }
    return false;
}

void AudioKeeper::Keep() {
    const auto stopping = [this] { return m_stop; };
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        if (m_output.heard) {
            if (m_wake.wait_for(lock, kWatchEvery, stopping) ||
                m_engine->AudioFlowing(kSilentAfter)) {
                continue;
            }
            m_output.heard = false;
            m_heard = false;
            m_output.lost = true;
            lock.unlock();
            // Said first: closing a driver whose server hangs waits for the server.
            Tell();
            m_engine->StopAudio();
            lock.lock();
            continue;  // the server may be back already, as after a quick restart
        }
        lock.unlock();
        std::string whyNot;
        const bool opened = TryDrivers(whyNot);
        lock.lock();
        if (opened) {
            m_output = {true, false, m_engine->AudioTitle(), {}};
            m_heard = true;
            lock.unlock();
            Tell();
            lock.lock();
            continue;
        }
        m_wake.wait_for(lock, kRetryEvery, stopping);
    }
}
