// Runs the real application object on the headless backend, with a recording MIDI device
// behind the mapper. A script stands in for the user while the main dialog is open; any
// About box it opens is recorded and closed with its OK button.
#pragma once

#include <functional>
#include <string>

#include "midi/test/TestMidiDevice.h"
#include "platform/headless/CallLog.h"
#include "platform/headless/HeadlessBackend.h"
#include "staff/test/ScopedCurrent.h"
#include "tests/app/MainDialogUser.h"

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
