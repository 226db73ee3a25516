#include "platform/qt/QtComboBoxPeer.h"

QtComboBoxPeer::QtComboBoxPeer(QWidget* parent, QtWidgetPeer& dialog, int id)
    : QComboBox(parent), QtWidgetPeer(this) {
    // `activated` comes from the user only, as CBN_SELCHANGE does.
    connect(this, &QComboBox::activated, [&dialog, id, this] {
        dialog.Send(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                    reinterpret_cast<LPARAM>(static_cast<WindowPeer*>(this)));
    });
}

LRESULT QtComboBoxPeer::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    }
    return QtWidgetPeer::DefWindowProc(message, wParam, lParam);
}

std::string QtComboBoxPeer::Text() const {
    return currentText().toStdString();
}

int QtComboBoxPeer::AddListItem(const std::string& utf8) {
    addItem(QString::fromStdString(utf8));
    return count() - 1;
}

void QtComboBoxPeer::ClearList() {
    clear();
}

void QtComboBoxPeer::SelectListItem(int index) {
    setCurrentIndex(index);
}

int QtComboBoxPeer::SelectedListItem() const {
    return currentIndex();
}
