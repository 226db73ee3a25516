// The listener's thread, named "canzet-listen": std::thread where the runtime has threads,
// the system's own where it has none (the Windows build's win32-thread runtime).
#pragma once

#include <functional>
#include <memory>

namespace input {

class ListenThread {
  public:
    // Joined or detached before it goes.
    virtual ~ListenThread() = default;
    virtual void Join() = 0;
    virtual void Detach() = 0;
};

// Null when the system has no thread to give.
std::unique_ptr<ListenThread> StartListenThread(std::function<void()> run);

}  // namespace input
