#include <thread>

#if defined(__linux__)
#include <pthread.h>
#endif

#include "input/microphone/ListenThread.h"

namespace input {

namespace {

class StdListenThread : public ListenThread {
  public:
    explicit StdListenThread(std::function<void()> run)
        : m_thread([run = std::move(run)] {
#if defined(__linux__)
              pthread_setname_np(pthread_self(), "canzet-listen");
#endif
              run();
          }) {
    }

    void Join() override {
        m_thread.join();
    }
    void Detach() override {
        m_thread.detach();
    }

  private:
    std::thread m_thread;
};

}  // namespace

std::unique_ptr<ListenThread> StartListenThread(std::function<void()> run) {
    return std::make_unique<StdListenThread>(std::move(run));
}

}  // namespace input
