// The main dialog as a user reaches it. Mouse input goes through the window system's
// path (the dialog's QWindow), so Qt's grab of a held button applies.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPushButton>

#include "platform/qt/QtDialogPeer.h"
#include "tests/support/DialogUser.h"

class MainWindowUser : public DialogUser<QtDialogPeer> {
  public:
    using DialogUser::DialogUser;

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
};
