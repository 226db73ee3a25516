#include "UnresponsiveSoundServer.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

UnresponsiveSoundServer::UnresponsiveSoundServer(const std::string& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) {
        return;
    }
    std::strcpy(address.sun_path, socketPath.c_str());
    m_socket = socket(AF_UNIX, SOCK_STREAM, 0);
    // The kernel completes connections into the backlog; nobody ever accepts or reads them.
    if (m_socket < 0 || bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 ||
        listen(m_socket, 8) < 0) {
        if (m_socket >= 0) {
            close(m_socket);
        }
        m_socket = -1;
        return;
    }
    setenv("PULSE_SERVER", ("unix:" + socketPath).c_str(), 1);
}

UnresponsiveSoundServer::~UnresponsiveSoundServer() {
    if (m_socket >= 0) {
        unsetenv("PULSE_SERVER");
        close(m_socket);
    }
}
