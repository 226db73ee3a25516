// The real program in this process on Qt's offscreen platform: the Qt backend is current,
// a recording MIDI device stands behind the mapper and message boxes are read and
// answered with OK as they appear. A script plays the user once the main dialog shows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "midi/test/TestMidiDevice.h"
#include "platform/qt/QtBackend.h"
#include "staff/test/ScopedCurrent.h"
#include "tests/desktop/MainWindowUser.h"

// Calls `action` with the first visible top-level widget of type T for which `matches`
// holds, as soon as one shows, from inside whatever modal loop is running then.
void WhenShown(const std::function<bool(QWidget&)>& matches,
               const std::function<void(QWidget&)>& action);

class DesktopHarness {
  public:
    // Runs the program; a main dialog that the script leaves open is closed with "退出".
    int Run(const std::function<void(MainWindowUser&)>& script);

    TestMidiDevice midi;
    std::vector<std::string> messageBoxes;

  private:
    QtBackend m_backend{"Canzet", "关闭"};
    ScopedBackend m_currentBackend{&m_backend};
    ScopedMidiMapperDevice m_mapperDevice{&midi};
};
