// What the sound libraries say about themselves, caught through their log hooks instead of
// reaching the terminal. A thread that listens keeps what its libraries say, to explain a
// failure in the program's own words; messages nobody listens for are dropped. With
// pass-through on, every message also goes to standard error as it comes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct LibraryMessage {
    std::string library;  // as the library names itself: "fluidsynth", "ALSA lib", "JACK"
    std::string text;

    bool operator==(const LibraryMessage&) const = default;
};

namespace library_log {

void SetPassThrough(bool on);

// Called by the hooks, from whichever thread the library speaks on. `asPrinted` is the line
// the library would have written itself; without it, "library: text".
void Add(std::string_view library, std::string text, std::string_view asPrinted = {});

// Keeps what the libraries say on this thread while it lives.
class Listener {
  public:
    Listener();
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // What was said since the last Take.
    std::vector<LibraryMessage> Take();

  private:
    friend void Add(std::string_view library, std::string text, std::string_view asPrinted);
    Listener* m_previous;
    std::vector<LibraryMessage> m_messages;
};

}  // namespace library_log
