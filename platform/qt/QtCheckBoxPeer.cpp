#include "platform/qt/QtCheckBoxPeer.h"

QtCheckBoxPeer::QtCheckBoxPeer(QWidget* parent, QtWidgetPeer& dialog, int id)
    : QCheckBox(parent), QtWidgetPeer(this) {
    connect(this, &QCheckBox::clicked, [&dialog, id, this] {
        dialog.Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                    reinterpret_cast<LPARAM>(static_cast<WindowPeer*>(this)));
    });
}

void QtCheckBoxPeer::SetText(const std::string& utf8) {
    setText(QString::fromStdString(utf8));
}

std::string QtCheckBoxPeer::Text() const {
    return text().toStdString();
}
