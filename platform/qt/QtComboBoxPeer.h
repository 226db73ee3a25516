// A drop-down list of a dialog template (COMBOBOX, CBS_DROPDOWNLIST). A choice the user
// makes sends WM_COMMAND with CBN_SELCHANGE and the list's id to the dialog.
#pragma once

#include <QComboBox>

#include "platform/qt/QtWidgetPeer.h"

class QtComboBoxPeer : public QComboBox, public QtWidgetPeer {
  public:
    QtComboBoxPeer(QWidget* parent, QtWidgetPeer& dialog, int id);

    // A typed letter chooses among its items, as the window system's list does
    // (DLGC_WANTCHARS), rather than pressing a button of the dialog.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void SetText(const std::string&) override {}
    std::string Text() const override;
    int AddListItem(const std::string& utf8) override;
    void ClearList() override;
    void SelectListItem(int index) override;
    int SelectedListItem() const override;
};
