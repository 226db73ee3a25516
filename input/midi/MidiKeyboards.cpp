#include "input/midi/MidiKeyboards.h"

#include <algorithm>

namespace input::midi {
namespace {

std::string With(const std::string& words, const std::string& value) {
    const auto at = words.find("%s");
    return at == std::string::npos ? words : words.substr(0, at) + value + words.substr(at + 2);
}

}  // namespace

std::string MidiKeyboards::Came(const std::string& name) {
    if (std::find(m_names.begin(), m_names.end(), name) != m_names.end()) {
        return {};
    }
    m_names.push_back(name);
    return With(m_words.came, name);
}

std::string MidiKeyboards::Went(const std::string& name) {
    const auto at = std::find(m_names.begin(), m_names.end(), name);
    if (at == m_names.end()) {
        return {};
    }
    m_names.erase(at);
    return With(m_words.went, name);
}

std::string MidiKeyboards::Present() const {
    if (m_names.empty()) {
        return m_words.none;
    }
    std::string names;
    for (const std::string& name : m_names) {
        names += (names.empty() ? "" : m_words.separator) + name;
    }
    return With(m_words.came, names);
}

}  // namespace input::midi
