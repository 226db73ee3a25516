#include "tests/desktop/MainWindowUser.h"

#include <QWindow>
#include <QtTest/QTest>

#include "res/resource.h"

namespace {
QWidget& WidgetOfControl(QtDialogPeer& dialog, int id) {
    auto* peer = dynamic_cast<QtWidgetPeer*>(dialog.Control(id));
    Q_ASSERT(peer != nullptr);
    return peer->Widget();
}
}  // namespace

QWidget& MainWindowUser::Staff() {
    return WidgetOfControl(m_dialog, IDC_STAFF);
}

QPushButton& MainWindowUser::Button(int id) {
    return dynamic_cast<QPushButton&>(WidgetOfControl(m_dialog, id));
}

QPoint MainWindowUser::InWindow(int x, int y) {
    return Staff().mapTo(&m_dialog, QPoint(x, y));
}

void MainWindowUser::Press(int x, int y) {
    QTest::mousePress(m_dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow(x, y));
}

void MainWindowUser::Drag(int x, int y) {
    QTest::mouseMove(m_dialog.windowHandle(), InWindow(x, y));
}

void MainWindowUser::Release(int x, int y) {
    QTest::mouseRelease(m_dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow(x, y));
}

QImage MainWindowUser::GrabStaff() {
    return Staff().grab().toImage().convertToFormat(QImage::Format_RGB32);
}
