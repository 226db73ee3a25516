// Note-offs held back a while: a note that is let go of rings on for a second, as a
// sustained instrument's note should, unless another note comes first, which then follows
// it at once. A thread of its own sends a note-off whose time has come.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/WinTypes.h"

class HeldNoteOffs {
  public:
    static constexpr std::chrono::milliseconds kRingOn{1000};

    // `send` is called with the lock of this object held, from either thread.
    explicit HeldNoteOffs(std::function<void(DWORD message)> send);
    ~HeldNoteOffs();
    HeldNoteOffs(const HeldNoteOffs&) = delete;
    HeldNoteOffs& operator=(const HeldNoteOffs&) = delete;

    void Hold(DWORD noteOff);
    // Sends those held at once, before a new note.
    void SendNow();
    // Forgets those held, when everything is silenced anyway.
    void Drop();

  private:
    using Clock = std::chrono::steady_clock;
    void Run();

    std::function<void(DWORD)> m_send;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::pair<DWORD, Clock::time_point>> m_held;
    bool m_stop = false;
    std::thread m_thread;
};
