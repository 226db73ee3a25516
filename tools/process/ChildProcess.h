// A program started from this process, found on the PATH, that ends with this object: it is
// sent SIGTERM, and SIGCONT after it so that a stopped one ends too, and is waited for.
#pragma once

#include <spawn.h>
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

class ChildProcess {
  public:
    // `actions` may redirect its standard streams; without `environment` it has this
    // process's own.
    explicit ChildProcess(std::vector<std::string> args,
                          const posix_spawn_file_actions_t* actions = nullptr,
                          std::optional<std::vector<std::string>> environment = std::nullopt);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return m_pid > 0; }
    void Signal(int signal) const;

  private:
    pid_t m_pid = -1;
};
