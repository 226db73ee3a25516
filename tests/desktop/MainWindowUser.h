// The main dialog as a user reaches it. Mouse input goes through the window system's
// path (the dialog's QWindow), so Qt's grab of a held button applies.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPushButton>

#include "platform/qt/QtDialogPeer.h"

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
