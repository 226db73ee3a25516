// A PulseAudio server of the test's own, with one null sink whose monitor can be recorded:
// the desktop sound server as the program meets it, on a machine without a sound card.
// While it runs, PulseAudio clients of this process connect to it.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"

class PrivateSoundServer {
  public:
    static constexpr const char* kMonitor = "canzet_test.monitor";

    PrivateSoundServer() {
        const std::string socket = m_folder.Path("native");
        std::vector<std::string> args = {
            "pulseaudio",
            "-n",
            "--daemonize=no",
            "--exit-idle-time=-1",
            "--use-pid-file=no",
            "--disable-shm=yes",
            "--log-target=stderr",
            "--log-level=0",
            "-Lmodule-native-protocol-unix auth-anonymous=1 socket=" + socket,
            "-Lmodule-null-sink sink_name=canzet_test"};
        // Its own home and runtime folder, so nothing of a real session is touched.
        std::vector<std::string> environment = {"HOME=" + m_folder.Path(),
                                                "PULSE_RUNTIME_PATH=" + m_folder.Path("runtime"),
                                                "PATH=/usr/bin:/bin"};
        if (posix_spawnp(&m_pid, "pulseaudio", nullptr, nullptr, Pointers(args).data(),
                         Pointers(environment).data()) != 0) {
            m_pid = -1;
            return;
        }
        setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
        for (int attempt = 0; attempt < 100 && !std::filesystem::exists(socket); ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ~PrivateSoundServer() {
        unsetenv("PULSE_SERVER");
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    bool Running() const { return m_pid > 0 && std::filesystem::exists(m_folder.Path("native")); }

  private:
    static std::vector<char*> Pointers(std::vector<std::string>& strings) {
        std::vector<char*> pointers;
        for (std::string& string : strings) {
            pointers.push_back(string.data());
        }
        pointers.push_back(nullptr);
        return pointers;
    }

    TempFolder m_folder;
    pid_t m_pid = -1;
};
