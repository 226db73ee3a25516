#include "PausableSoundServer.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

PausableSoundServer::PausableSoundServer(const std::string& folder) : m_socket(folder + "/native") {
    std::vector<std::string> args = {
        "pulseaudio",        "-n",
        "--daemonize=no",    "--exit-idle-time=-1",
        "--use-pid-file=no", "--disable-shm=yes",
        "--log-level=0",     "-Lmodule-native-protocol-unix auth-anonymous=1 socket=" + m_socket,
        "-Lmodule-null-sink"};
    // A home and runtime folder of its own, so nothing of a real session is touched.
    std::vector<std::string> environment = {"HOME=" + folder, "PULSE_RUNTIME_PATH=" + folder,
                                            "PATH=/usr/bin:/bin"};
    auto pointers = [](std::vector<std::string>& strings) {
        std::vector<char*> result;
        for (std::string& string : strings) {
            result.push_back(string.data());
        }
        result.push_back(nullptr);
        return result;
    };
    if (posix_spawnp(&m_pid, "pulseaudio", nullptr, nullptr, pointers(args).data(),
                     pointers(environment).data()) != 0) {
        m_pid = -1;
        return;
    }
    for (int attempt = 0; attempt < 100 && !std::filesystem::exists(m_socket); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    setenv("PULSE_SERVER", ("unix:" + m_socket).c_str(), 1);
}

PausableSoundServer::~PausableSoundServer() {
    unsetenv("PULSE_SERVER");
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

bool PausableSoundServer::Running() const {
    return m_pid > 0 && std::filesystem::exists(m_socket);
}

void PausableSoundServer::Freeze() {
    kill(m_pid, SIGSTOP);
}

void PausableSoundServer::Thaw() {
    kill(m_pid, SIGCONT);
}

void PausableSoundServer::Kill() {
    kill(m_pid, SIGKILL);
}
