#include "tools/process/ChildProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& string : strings) {
        pointers.push_back(string.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ChildProcess::ChildProcess(std::vector<std::string> args, const posix_spawn_file_actions_t* actions,
                           std::optional<std::vector<std::string>> environment) {
    const std::vector<char*> ownEnvironment =
        environment ? Pointers(*environment) : std::vector<char*>{};
    char* const* env = environment ? ownEnvironment.data() : environ;
    if (posix_spawnp(&m_pid, args[0].c_str(), actions, nullptr, Pointers(args).data(), env) != 0) {
        m_pid = -1;
    }
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        kill(m_pid, SIGCONT);
        waitpid(m_pid, nullptr, 0);
    }
}

void ChildProcess::Signal(int signal) const {
    if (m_pid > 0) {
        kill(m_pid, signal);
    }
}
