// A PulseAudio server that accepts connections and never answers: the worst a hung sound
// server can do to a client that waits for its reply. Clients find it through PULSE_SERVER
// while it exists; closing it makes every waiting client see the connection drop.
#pragma once

#include <string>

class SilentSoundServer {
  public:
    explicit SilentSoundServer(const std::string& socketPath);
    ~SilentSoundServer();

    SilentSoundServer(const SilentSoundServer&) = delete;
    SilentSoundServer& operator=(const SilentSoundServer&) = delete;

    bool Listening() const { return m_socket >= 0; }

  private:
    std::string m_path;
    std::string m_previousServer;
    bool m_hadPreviousServer = false;
    int m_socket = -1;
};
