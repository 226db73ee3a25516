#include "platform/qt/QtButtonPeer.h"

#include <QKeyEvent>

namespace {
bool IsModifiedSpace(const QKeyEvent& event) {
    return event.key() == Qt::Key_Space &&
           (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) != 0;
}
}  // namespace

QtButtonPeer::QtButtonPeer(QWidget* parent, QtWidgetPeer& dialog, int id, bool isDefault)
    : QtClickablePeer(parent, dialog, id) {
    setDefault(isDefault);
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
