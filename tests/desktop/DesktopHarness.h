// The real program in this process on Qt's offscreen platform: the Qt backend is current,
// a recording MIDI device stands behind the mapper and message boxes are read and
// answered with OK as they appear. A script plays the user once the main dialog shows.
#pragma once

#include <QPoint>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "midi/test/TestMidiDevice.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtDialogPeer.h"
#include "staff/test/ScopedCurrent.h"

// The main dialog as a user reaches it. Mouse input goes through the window system's
// path (the dialog's QWindow), so Qt's grab of a held button applies.
class MainWindowUser {
  public:
    explicit MainWindowUser(QtDialogPeer& dialog) : m_dialog(dialog) {}

    QtDialogPeer& Dialog() { return m_dialog; }
    QWidget& Staff();
    QPushButton& Button(int id);

    // Points in staff pixels.
    void Press(int x, int y);
    void Drag(int x, int y);
    void Release(int x, int y);
    // The staff as it is painted now, one pixel per staff pixel.
    QImage GrabStaff();

  private:
    QPoint InWindow(int x, int y);

    QtDialogPeer& m_dialog;
};

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
