// A check box of a dialog template (BS_AUTOCHECKBOX). A click checks or clears it, then
// sends WM_COMMAND with BN_CLICKED and the box's id to the dialog.
#pragma once

#include <QCheckBox>

#include "platform/qt/QtClickablePeer.h"

class QtCheckBoxPeer : public QtClickablePeer<QCheckBox> {
  public:
    using QtClickablePeer::QtClickablePeer;

    void SetCheck(bool checked) override { setChecked(checked); }
    bool IsChecked() const override { return isChecked(); }
};
