// Runs a job that may block, such as connecting to a sound server that never answers, on a
// worker thread and waits for it at most a given time. A job that finishes too late has its
// result destroyed on the worker, so nothing leaks and the caller never waits past the bound.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

template <typename T>
std::unique_ptr<T> RunWithin(std::chrono::milliseconds bound,
                             std::function<std::unique_ptr<T>()> job) {
    struct Handoff {
        std::mutex mutex;
        std::condition_variable finishedSignal;
        bool finished = false;
        bool abandoned = false;
        std::unique_ptr<T> result;
    };
    auto handoff = std::make_shared<Handoff>();
    try {
        std::thread([handoff, job = std::move(job)] {
            std::unique_ptr<T> result = job();
            std::unique_lock lock(handoff->mutex);
            if (handoff->abandoned) {
                lock.unlock();
                return;  // nobody waits any more: the result dies here, on the worker
            }
            handoff->result = std::move(result);
            handoff->finished = true;
            handoff->finishedSignal.notify_one();
        }).detach();
    } catch (const std::system_error&) {
        return nullptr;  // no thread to run it on
    }
    std::unique_lock lock(handoff->mutex);
    if (!handoff->finishedSignal.wait_for(lock, bound, [&] { return handoff->finished; })) {
        handoff->abandoned = true;
        return nullptr;
    }
    return std::move(handoff->result);
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
