// Keys played on instruments and the MIDI keyboards present, on the window's thread. Each
// key is echoed through the program's sound unless the echo is off, then goes to the window
// on top that listens: the practice dialog while it is open, else the main dialog.
#pragma once

#include <bitset>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "input/KeyInput.h"
#include "input/midi/MidiKeyboards.h"

class CPlayedKeys : public input::KeyListener {
  public:
    // The practice dialog's check box, or the choice it remembers.
    void SetEcho(bool bEcho) { m_bEcho = bEcho; }
    bool Echo() const { return m_bEcho; }
    // --midi-echo: it holds over the remembered choice.
    void NameEcho(bool bEcho) {
        m_bEcho = bEcho;
        m_bEchoNamed = true;
    }
    bool EchoNamed() const { return m_bEchoNamed; }

    void Listen(input::KeyListener& listener);
    void StopListening(input::KeyListener& listener);
    void KeyChanged(const input::KeyEvent& event) override;

    void KeyboardCame(const std::string& name);
    void KeyboardWent(const std::string& name);
    // "MIDI keyboard: Digital Piano (20:0)", or that there is none, in the program's language.
    std::string KeyboardsText();
    // Where a keyboard's coming or going is told, one line each.
    void SetTell(std::function<void(const std::string&)> tell) { m_tell = std::move(tell); }
    // Called after each change of keyboards; empty for none.
    void SetKeyboardsShown(std::function<void()> shown) { m_shown = std::move(shown); }

  private:
    input::midi::MidiKeyboards& Keyboards();
    void Told(const std::string& line);

    bool m_bEcho = true;
    bool m_bEchoNamed = false;
    // A keyboard heard through two systems at once (ALSA, and JACK bridging it) presses
    // each key twice: a key goes down only when it is up.
    std::bitset<128> m_held;
    std::vector<input::KeyListener*> m_listeners;  // the last one listens
    // Made at first use, once the program's language is chosen.
    std::optional<input::midi::MidiKeyboards> m_keyboards;
    std::function<void(const std::string&)> m_tell;
    std::function<void()> m_shown;
};

// The program's one instance.
CPlayedKeys& PlayedKeys();
