// A check box of a dialog template (BS_AUTOCHECKBOX). A click checks or clears it, then
// sends WM_COMMAND with BN_CLICKED and the box's id to the dialog.
#pragma once

#include <QCheckBox>

#include "platform/qt/QtWidgetPeer.h"

class QtCheckBoxPeer : public QCheckBox, public QtWidgetPeer {
  public:
    QtCheckBoxPeer(QWidget* parent, QtWidgetPeer& dialog, int id);

    void SetText(const std::string& utf8) override;
    std::string Text() const override;
    void SetCheck(bool checked) override { setChecked(checked); }
    bool IsChecked() const override { return isChecked(); }
};
