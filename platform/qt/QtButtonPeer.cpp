#include "platform/qt/QtButtonPeer.h"

#include <QKeyEvent>

namespace {
bool IsModifiedSpace(const QKeyEvent& event) {
    return event.key() == Qt::Key_Space &&
           (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) != 0;
}
}  // namespace

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

void QtButtonPeer::keyPressEvent(QKeyEvent* event) {
    if (IsModifiedSpace(*event)) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void QtButtonPeer::keyReleaseEvent(QKeyEvent* event) {
    if (IsModifiedSpace(*event) && !isDown()) {
        event->ignore();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}
