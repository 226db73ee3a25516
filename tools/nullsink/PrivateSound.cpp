// The sound servers a test or benchmark program meets are only those it starts itself.
// Linked in as an object, this sets the environment before main, for the program and every
// program it starts: JACK clients neither start a server nor find a user's running one,
// and PulseAudio clients find none until a NullSinkServer gives its address, never the
// user's own (its address, runtime folder, client.conf or an autospawned one).
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class PrivateSound {
  public:
    PrivateSound() {
        // A JACK server by this name is nobody's, so none is found; none is started.
        setenv("JACK_NO_START_SERVER", "1", 1);
        setenv("JACK_DEFAULT_SERVER", ("canzet-private-" + std::to_string(getpid())).c_str(), 1);
        std::string pattern = std::filesystem::temp_directory_path() / "canzet-sound-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) {
            m_folder = pattern;
        }
        // Also what a client falls back on once a test unsets PULSE_SERVER.
        const std::string config = m_folder + "/client.conf";
        std::ofstream(config) << "autospawn = no\n";
        setenv("PULSE_CLIENTCONFIG", config.c_str(), 1);
        setenv("PULSE_RUNTIME_PATH", m_folder.c_str(), 1);
        setenv("PULSE_SERVER", ("unix:" + m_folder + "/native").c_str(), 1);
    }
    ~PrivateSound() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    PrivateSound(const PrivateSound&) = delete;
    PrivateSound& operator=(const PrivateSound&) = delete;

  private:
    std::string m_folder;
};

const PrivateSound g_privateSound;

}  // namespace
