// What the MIDI input backends tell, on their threads, handed to the window's thread as
// posted work for the played keys there.
#pragma once

#include <functional>

#include "app/PlayedKeys.h"
#include "input/midi/MidiInSink.h"

class CKeyboardRelay : public input::midi::MidiInSink {
  public:
    explicit CKeyboardRelay(CPlayedKeys& keys) : m_keys(keys) {}

    void KeyPlayed(const input::KeyEvent& event) override;
    void KeyboardCame(const std::string& name) override;
    void KeyboardWent(const std::string& name) override;

  private:
    static void Post(std::function<void()> work);

    CPlayedKeys& m_keys;
};
