// A PulseAudio server of its own, in a scratch folder, with one null sink "canzet_sink"
// whose monitor can be recorded: the desktop's sound server as a program meets it, on a
// machine without a sound card. While it runs, PulseAudio clients of this process (and the
// programs it starts) connect to it through PULSE_SERVER.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tools/process/ChildProcess.h"

class NullSinkServer {
  public:
    static constexpr const char* kMonitor = "canzet_sink.monitor";

    NullSinkServer();
    ~NullSinkServer();

    bool Running() const;
    // "unix:/.../native", the value PULSE_SERVER is set to.
    const std::string& Address() const { return m_address; }

    // A desktop's sound server that hangs with every connection left open, comes back, or
    // is gone at once without closing anything.
    void Freeze() const;
    void Thaw() const;
    void Kill() const;
    // Kills the server and starts another at the same address, as a desktop's sound server
    // restarts; returns once it accepts connections.
    void Restart();

  private:
    void Start();
    void Signal(int signal) const;

    std::string m_folder;
    std::string m_address;
    std::optional<std::string> m_previousServer;
    std::unique_ptr<ChildProcess> m_server;
};
