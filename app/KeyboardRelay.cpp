#include "app/KeyboardRelay.h"

#include "platform/Backend.h"

void CKeyboardRelay::KeyPlayed(const input::KeyEvent& event) {
    Post([this, event] { m_keys.KeyChanged(event); });
}

void CKeyboardRelay::KeyboardCame(const std::string& name) {
    Post([this, name] { m_keys.KeyboardCame(name); });
}

void CKeyboardRelay::KeyboardWent(const std::string& name) {
    Post([this, name] { m_keys.KeyboardWent(name); });
}

void CKeyboardRelay::Post(std::function<void()> work) {
    if (Backend* backend = CurrentBackend()) {
        backend->PostToWindowThread(std::move(work));
    }
}
