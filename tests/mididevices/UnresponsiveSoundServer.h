// A PulseAudio server that accepts a connection and never answers: what a hung sound server
// looks like to a client. While it lives, PulseAudio clients in this process are sent to it.
#pragma once

#include <string>

class UnresponsiveSoundServer {
  public:
    explicit UnresponsiveSoundServer(const std::string& socketPath);
    ~UnresponsiveSoundServer();
    UnresponsiveSoundServer(const UnresponsiveSoundServer&) = delete;
    UnresponsiveSoundServer& operator=(const UnresponsiveSoundServer&) = delete;

    bool Listening() const { return m_socket >= 0; }

  private:
    int m_socket = -1;
};
