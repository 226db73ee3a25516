// Fails the whole test program, loudly, when the code it guards has not returned within a
// generous bound: a hang must show as a failure, never as a CI job that never ends.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

class HangGuard {
  public:
    HangGuard(std::chrono::seconds bound, std::string what)
        : m_watcher([this, bound, what = std::move(what)] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, bound, [this] { return m_finished; })) {
                  std::fprintf(stderr, "hang: %s did not return within %lld s\n", what.c_str(),
                               static_cast<long long>(bound.count()));
                  std::abort();
              }
          }) {}

    ~HangGuard() {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_watcher.join();
    }

    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

  private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_watcher;
};
