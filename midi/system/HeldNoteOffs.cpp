#include "midi/system/HeldNoteOffs.h"

#include <algorithm>
#include <utility>

HeldNoteOffs::HeldNoteOffs(std::function<void(DWORD message)> send)
    : m_send(std::move(send)), m_thread([this] { Run(); }) {}

HeldNoteOffs::~HeldNoteOffs() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void HeldNoteOffs::Hold(DWORD noteOff) {
    {
        std::lock_guard lock(m_mutex);
        m_held.emplace_back(noteOff, Clock::now() + kRingOn);
    }
    m_changed.notify_all();
}

void HeldNoteOffs::SendNow() {
    std::lock_guard lock(m_mutex);
    for (const auto& [message, due] : m_held) {
        m_send(message);
    }
    m_held.clear();
}

void HeldNoteOffs::Drop() {
    std::lock_guard lock(m_mutex);
    m_held.clear();
}

void HeldNoteOffs::Run() {
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        if (m_held.empty()) {
            m_changed.wait(lock);
            continue;
        }
        // Held in the order let go of, each for the same time: the first is due first.
        if (m_changed.wait_until(lock, m_held.front().second) == std::cv_status::timeout) {
            const auto due = std::find_if(m_held.begin(), m_held.end(), [](const auto& held) {
                return held.second > Clock::now();
            });
            std::for_each(m_held.begin(), due, [this](const auto& held) { m_send(held.first); });
            m_held.erase(m_held.begin(), due);
        }
    }
}
