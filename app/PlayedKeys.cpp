#include "app/PlayedKeys.h"

#include <algorithm>

#include "app/PracticeTexts.h"
#include "res/resource.h"
#include "staff/StaffControl.h"

CPlayedKeys& PlayedKeys() {
    static CPlayedKeys keys;
    return keys;
}

void CPlayedKeys::Listen(input::KeyListener& listener) {
    StopListening(listener);
    m_listeners.push_back(&listener);
}

void CPlayedKeys::StopListening(input::KeyListener& listener) {
    std::erase(m_listeners, &listener);
}

void CPlayedKeys::KeyChanged(const input::KeyEvent& event) {
    if (event.key < 0 || event.key >= static_cast<int>(m_held.size()) ||
        m_held.test(static_cast<std::size_t>(event.key)) == event.down) {
        return;
    }
    m_held.set(static_cast<std::size_t>(event.key), event.down);
    if (m_bEcho) {
        CStaffControl::EchoKey(event.key, event.down);
    }
    if (!m_listeners.empty()) {
        m_listeners.back()->KeyChanged(event);
    }
}

void CPlayedKeys::KeyboardCame(const std::string& name) {
    Told(Keyboards().Came(name));
}

void CPlayedKeys::KeyboardWent(const std::string& name) {
    // Its keys held when it went never come up.
    m_held.reset();
    Told(Keyboards().Went(name));
}

std::string CPlayedKeys::KeyboardsText() {
    return Keyboards().Present();
}

input::midi::MidiKeyboards& CPlayedKeys::Keyboards() {
    if (!m_keyboards) {
        using practice_texts::LoadText;
        m_keyboards.emplace(input::midi::KeyboardWords{
            .came = LoadText(IDS_MIDI_KEYBOARD_CAME),
            .went = LoadText(IDS_MIDI_KEYBOARD_WENT),
            .none = LoadText(IDS_NO_MIDI_KEYBOARD),
            .separator = LoadText(IDS_LIST_SEPARATOR),
        });
    }
    return *m_keyboards;
}

void CPlayedKeys::Told(const std::string& line) {
    if (line.empty()) {
        return;
    }
    if (m_tell) {
        m_tell(line);
    }
    if (m_shown) {
        m_shown();
    }
}
