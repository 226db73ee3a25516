#include "alsaseq/SequencerListener.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace alsaseq {

bool SequencerListener::Start(snd_seq_t* sequencer, std::function<void()> listen) {
    if (pipe(m_wakePipe) != 0) {
        return false;
    }
    const int count = snd_seq_poll_descriptors_count(sequencer, POLLIN);
    m_descriptors.resize(static_cast<std::size_t>(count) + 1);
    snd_seq_poll_descriptors(sequencer, m_descriptors.data(), static_cast<unsigned>(count), POLLIN);
    m_descriptors.back() = {m_wakePipe[0], POLLIN, 0};
    m_thread = std::thread(std::move(listen));
    return true;
}

bool SequencerListener::Wait() {
    while (poll(m_descriptors.data(), m_descriptors.size(), -1) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return m_descriptors.back().revents == 0;
}

void SequencerListener::Stop() {
    if (m_thread.joinable()) {
        const char wake = 0;
        (void)!write(m_wakePipe[1], &wake, 1);
        m_thread.join();
    }
    for (int& end : m_wakePipe) {
        if (end >= 0) {
            close(end);
            end = -1;
        }
    }
    m_descriptors.clear();
}

}  // namespace alsaseq
