#include "midi/LibraryLog.h"

#include <atomic>
#include <cstdio>
#include <utility>

namespace library_log {

namespace {
std::atomic<bool> g_passThrough = false;
thread_local Listener* t_listener = nullptr;
}  // namespace

void SetPassThrough(bool on) {
    g_passThrough = on;
}

void Add(std::string_view library, std::string text, std::string_view asPrinted) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    if (g_passThrough) {
        const std::string line =
            asPrinted.empty() ? std::string(library) + ": " + text : std::string(asPrinted);
        std::fprintf(stderr, "%s\n", line.c_str());
    }
    if (t_listener != nullptr) {
        t_listener->m_messages.push_back({std::string(library), std::move(text)});
    }
}

Listener::Listener() : m_previous(t_listener) {
    t_listener = this;
}

Listener::~Listener() {
    t_listener = m_previous;
}

std::vector<LibraryMessage> Listener::Take() {
    return std::exchange(m_messages, {});
}

}  // namespace library_log
