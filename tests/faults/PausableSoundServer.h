// A real PulseAudio server of the test's own, with a null sink, that the test can freeze,
// thaw or kill while the program plays through it: a desktop sound server that hangs or
// goes away. While it exists, PulseAudio clients of this process connect to it.
#pragma once

#include <sys/types.h>

#include <string>

class PausableSoundServer {
  public:
    explicit PausableSoundServer(const std::string& folder);
    ~PausableSoundServer();

    PausableSoundServer(const PausableSoundServer&) = delete;
    PausableSoundServer& operator=(const PausableSoundServer&) = delete;

    bool Running() const;
    void Freeze();  // stops answering, with every connection left open
    void Thaw();
    void Kill();  // gone at once, without closing anything

  private:
    std::string m_socket;
    pid_t m_pid = -1;
};
