#include "platform/qt/QtButtonPeer.h"

QtButtonPeer::QtButtonPeer(QWidget* parent, QtWidgetPeer& dialog, int id, bool isDefault)
    : QPushButton(parent), QtWidgetPeer(this) {
    setDefault(isDefault);
    connect(this, &QPushButton::clicked, [&dialog, id, this] {
        dialog.Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                    reinterpret_cast<LPARAM>(static_cast<WindowPeer*>(this)));
    });
}

void QtButtonPeer::SetText(const std::string& utf8) {
    setText(QString::fromStdString(utf8));
}

std::string QtButtonPeer::Text() const {
    return text().toStdString();
}
