#include "tools/nullsink/NullSinkServer.h"

#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

NullSinkServer::NullSinkServer() {
    std::string pattern = std::filesystem::temp_directory_path() / "canzet-sink-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        return;
    }
    m_folder = pattern;
    if (const char* previous = std::getenv("PULSE_SERVER")) {
        m_previousServer = previous;
    }
    Start();
    if (Running()) {
        setenv("PULSE_SERVER", m_address.c_str(), 1);
    }
}

void NullSinkServer::Restart() {
    Kill();
    m_server.reset();
    Start();
}

void NullSinkServer::Start() {
    const std::string socket = m_folder + "/native";
    // A socket left by a server that was killed would look like the new one listening.
    std::error_code ignored;
    std::filesystem::remove(socket, ignored);
    std::vector<std::string> args = {
        "pulseaudio",
        "-n",
        "--daemonize=no",
        "--exit-idle-time=-1",
        "--use-pid-file=no",
        "--disable-shm=yes",
        "--log-level=0",
        "-Lmodule-native-protocol-unix auth-anonymous=1 socket=" + socket,
        "-Lmodule-null-sink sink_name=canzet_sink rate=48000 format=float32le"};
    // Its own home and runtime folder, so nothing of a real session is touched.
    std::vector<std::string> environment = {"HOME=" + m_folder, "PULSE_RUNTIME_PATH=" + m_folder,
                                            "PATH=/usr/bin:/bin"};
    m_server = std::make_unique<ChildProcess>(std::move(args), nullptr, std::move(environment));
    if (!m_server->Started()) {
        return;
    }
    for (int attempt = 0; attempt < 100 && !std::filesystem::exists(socket); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    m_address = "unix:" + socket;
}

NullSinkServer::~NullSinkServer() {
    // Clients go back to the server they had, or to none.
    if (m_previousServer.has_value()) {
        setenv("PULSE_SERVER", m_previousServer->c_str(), 1);
    } else {
        unsetenv("PULSE_SERVER");
    }
    // Ended before its folder goes.
    m_server.reset();
    if (!m_folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
}

bool NullSinkServer::Running() const {
    return m_server != nullptr && m_server->Started() &&
           std::filesystem::exists(m_folder + "/native");
}

void NullSinkServer::Freeze() const {
    Signal(SIGSTOP);
}

void NullSinkServer::Thaw() const {
    Signal(SIGCONT);
}

void NullSinkServer::Kill() const {
    Signal(SIGKILL);
}

void NullSinkServer::Signal(int signal) const {
    if (m_server != nullptr) {
        m_server->Signal(signal);
    }
}
