// The MIDI keyboards present, as the backends told of them, and the words that say so: one
// line when a keyboard comes or goes, and one for the keyboards there are now. On the
// window's thread.
#pragma once

#include <string>
#include <vector>

namespace input::midi {

// English by default; a program in another language hands its own, with the same %s.
struct KeyboardWords {
    std::string came = "MIDI keyboard: %s";
    std::string went = "MIDI keyboard gone: %s";
    std::string none = "No MIDI keyboard";
    std::string separator = ", ";
};

class MidiKeyboards {
  public:
    explicit MidiKeyboards(KeyboardWords words = {}) : m_words(std::move(words)) {}

    // The line to tell, "MIDI keyboard: Digital Piano (20:0)"; empty when nothing changed.
    std::string Came(const std::string& name);
    std::string Went(const std::string& name);
    // "MIDI keyboard: A, B", or that there is none.
    std::string Present() const;
    const std::vector<std::string>& Names() const { return m_names; }

  private:
    KeyboardWords m_words;
    std::vector<std::string> m_names;  // in the order they came
};

}  // namespace input::midi
