// Runs the real application object on the headless backend, with a recording MIDI device
// behind the mapper. A script stands in for the user while the main dialog is open; any
// About box it opens is recorded and closed with its OK button.
#pragma once

#include <functional>
#include <string>

#include "midi/test/TestMidiDevice.h"
#include "platform/headless/CallLog.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessWindow.h"
#include "staff/test/ScopedCurrent.h"

// The main dialog's window and controls, as a user reaches them.
class MainDialogUser {
  public:
    explicit MainDialogUser(HeadlessWindow& dialog) : m_dialog(dialog) {}

    HeadlessWindow& Dialog() { return m_dialog; }
    HeadlessWindow& Staff();
    HeadlessWindow& PositionButton();

    // Mouse on the staff, in staff pixels; each message is followed by the repaint it asks.
    void Press(int x, int y);
    void Drag(int x, int y);
    void Release(int x, int y);
    void Place(int x, int y);  // press and release at one point

    void Click(int controlId);
    void SystemCommand(UINT id);
    std::string Caption();

  private:
    void Mouse(UINT message, UINT flags, int x, int y);

    HeadlessWindow& m_dialog;
};

class AppDriver {
  public:
    // Runs the program; a main dialog that the script leaves open is closed with "退出".
    // Returns the program's exit code.
    int Run(const std::function<void(MainDialogUser&)>& script);

    CallLog log;
    TestMidiDevice midi;
    int aboutBoxesOpened = 0;
    std::string aboutCaption;

  private:
    HeadlessBackend m_backend{log};
    ScopedBackend m_currentBackend{&m_backend};
    ScopedMidiMapperDevice m_mapperDevice{&midi};
};
