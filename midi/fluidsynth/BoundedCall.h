// Runs a job that may block, such as connecting to a sound server that never answers, on a
// worker thread and waits for it at most a given time.
//
// A call that gives up leaves nothing of its own behind for the worker to touch: the worker
// owns the job (its captures are taken by value) and shares the hand-off record with the
// caller, so the record lives until both have let it go; a result that comes too late is
// destroyed on the worker. The worker never touches the list of stragglers below either.
//
// The program's end waits for the workers of calls that gave up, but not longer than the
// longest bound any of them was given: when the program exits, those that finish by then
// are joined, and any still stuck is left to end with the process.
#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace bounded_call {

// What the caller and the worker share: the result, if it came in time, and whether the
// worker is done, having destroyed everything it held.
template <typename T>
struct Handoff {
    std::mutex mutex;
    std::condition_variable changed;
    bool finished = false;   // the result is there
    bool abandoned = false;  // the caller gave up
    bool done = false;       // the worker holds nothing any more
    std::unique_ptr<T> result;
};

// The workers of calls that gave up. The list itself is never destroyed, so a bounded call
// made while the program ends still finds it.
class Stragglers {
  public:
    static Stragglers& Get() {
        static Stragglers* const list = [] {
            auto* created = new Stragglers;
            std::atexit([] { Get().Drain(); });
            return created;
        }();
        return *list;
    }

    // `waitDone` waits until the worker holds nothing any more, or until the deadline, and
    // tells which.
    struct Worker {
        std::thread thread;
        std::function<bool(std::chrono::steady_clock::time_point)> waitDone;
        std::chrono::milliseconds bound;
    };

    void Add(Worker worker) {
        std::lock_guard lock(m_mutex);
        if (m_drained) {
            worker.thread.detach();
            return;
        }
        std::erase_if(m_workers, [](Worker& old) {
            if (!old.waitDone(std::chrono::steady_clock::now())) {
                return false;
            }
            old.thread.join();
            return true;
        });
        m_workers.push_back(std::move(worker));
    }

  private:
    void Drain() {
        std::lock_guard lock(m_mutex);
        m_drained = true;
        std::chrono::milliseconds longest{0};
        for (const Worker& worker : m_workers) {
            longest = std::max(longest, worker.bound);
        }
        const auto deadline = std::chrono::steady_clock::now() + longest;
        for (Worker& worker : m_workers) {
            if (worker.waitDone(deadline)) {
                worker.thread.join();
            } else {
                worker.thread.detach();
            }
        }
        m_workers.clear();
    }

    std::mutex m_mutex;
    std::vector<Worker> m_workers;
    bool m_drained = false;
};

}  // namespace bounded_call

template <typename T>
std::unique_ptr<T> RunWithin(std::chrono::milliseconds bound,
                             std::function<std::unique_ptr<T>()> job) {
    using Handoff = bounded_call::Handoff<T>;
    auto handoff = std::make_shared<Handoff>();
    std::thread worker;
    try {
        worker = std::thread([handoff, job = std::move(job)]() mutable {
            std::unique_ptr<T> result = job();
            job = nullptr;
            std::unique_lock lock(handoff->mutex);
            if (!handoff->abandoned) {
                handoff->result = std::move(result);
                handoff->finished = true;
            } else {
                lock.unlock();
                result.reset();  // nobody waits for it any more
                lock.lock();
            }
            handoff->done = true;
            handoff->changed.notify_all();
        });
    } catch (const std::system_error&) {
        return nullptr;  // no thread to run it on
    }
    std::unique_lock lock(handoff->mutex);
    if (handoff->changed.wait_for(lock, bound, [&] { return handoff->finished; })) {
        std::unique_ptr<T> result = std::move(handoff->result);
        lock.unlock();
        worker.join();  // it only has to tell that it is done
        return result;
    }
    handoff->abandoned = true;
    lock.unlock();
    bounded_call::Stragglers::Get().Add({std::move(worker),
                                         [handoff](std::chrono::steady_clock::time_point deadline) {
                                             std::unique_lock waitLock(handoff->mutex);
                                             return handoff->changed.wait_until(
                                                 waitLock, deadline, [&] { return handoff->done; });
                                         },
                                         bound});
    return nullptr;
}

// Destroys an object on a worker thread and waits for that at most the bound, for teardown
// that may block, such as an audio thread stuck writing to a sound server that hung.
template <typename T>
void ReleaseWithin(std::chrono::milliseconds bound, std::unique_ptr<T> object) {
    if (object == nullptr) {
        return;
    }
    RunWithin<T>(bound, [shared = std::shared_ptr<T>(std::move(object))]() mutable {
        shared.reset();
        return std::unique_ptr<T>();
    });
}
