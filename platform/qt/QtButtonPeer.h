// A push button of a dialog template. A click sends WM_COMMAND with BN_CLICKED and the
// button's id to the dialog. Space presses it only when no Alt, Ctrl or Meta is held:
// Alt+Space belongs to the dialog's system menu.
#pragma once

#include <QPushButton>

#include "platform/qt/QtClickablePeer.h"

class QtButtonPeer : public QtClickablePeer<QPushButton> {
  public:
    // `isDefault`: the button that Enter presses (BS_DEFPUSHBUTTON).
    QtButtonPeer(QWidget* parent, QtWidgetPeer& dialog, int id, bool isDefault);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
