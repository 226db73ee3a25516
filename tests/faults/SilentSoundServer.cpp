#include "SilentSoundServer.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

SilentSoundServer::SilentSoundServer(const std::string& socketPath) : m_path(socketPath) {
    if (const char* previous = std::getenv("PULSE_SERVER")) {
        m_previousServer = previous;
        m_hadPreviousServer = true;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (m_path.size() >= sizeof address.sun_path) {
        return;
    }
    std::memcpy(address.sun_path, m_path.c_str(), m_path.size() + 1);
    m_socket = socket(AF_UNIX, SOCK_STREAM, 0);
    // The kernel completes connections into the backlog; nobody ever accepts or reads them.
    if (m_socket < 0 ||
        bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(m_socket, 16) != 0) {
        if (m_socket >= 0) {
            close(m_socket);
        }
        m_socket = -1;
        return;
    }
    setenv("PULSE_SERVER", ("unix:" + m_path).c_str(), 1);
}

SilentSoundServer::~SilentSoundServer() {
    if (m_hadPreviousServer) {
        setenv("PULSE_SERVER", m_previousServer.c_str(), 1);
    } else {
        unsetenv("PULSE_SERVER");
    }
    if (m_socket >= 0) {
        close(m_socket);
        unlink(m_path.c_str());
    }
}
