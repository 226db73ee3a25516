// A thread of a sequencer client's own that sleeps until the client has events, and that
// another thread wakes to stop.
#pragma once

#include <alsa/asoundlib.h>
#include <poll.h>

#include <functional>
#include <thread>
#include <vector>

namespace alsaseq {

class SequencerListener {
  public:
    SequencerListener() = default;
    ~SequencerListener() { Stop(); }
    SequencerListener(const SequencerListener&) = delete;
    SequencerListener& operator=(const SequencerListener&) = delete;

    // Runs `listen` on the thread; it calls Wait() before each reading of the client's
    // events and returns once Wait() says false. False when the thread cannot start.
    bool Start(snd_seq_t* sequencer, std::function<void()> listen);
    // True when the client has events; false once Stop() wakes the thread, or when the
    // client can no longer be waited for.
    bool Wait();
    // Wakes the thread and waits for it to end; the client stays open.
    void Stop();

  private:
    std::vector<pollfd> m_descriptors;  // the client's, then the wake pipe's
    int m_wakePipe[2] = {-1, -1};
    std::thread m_thread;
};

}  // namespace alsaseq
