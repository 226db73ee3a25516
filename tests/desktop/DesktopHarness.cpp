#include "tests/desktop/DesktopHarness.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>

#include "platform/CWinApp.h"
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

void WhenShown(const std::function<bool(QWidget&)>& matches,
               const std::function<void(QWidget&)>& action) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, matches, action] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && matches(*widget)) {
                timer->stop();
                timer->deleteLater();
                action(*widget);
                return;
            }
        }
    });
    timer->start(5);
}

int DesktopHarness::Run(const std::function<void(MainWindowUser&)>& script) {
    QTimer boxWatcher;
    QObject::connect(&boxWatcher, &QTimer::timeout, [this] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box != nullptr && box->isVisible()) {
                messageBoxes.push_back(box->text().toStdString());
                box->button(QMessageBox::Ok)->click();
            }
        }
    });
    boxWatcher.start(5);

    WhenShown(
        [](QWidget& widget) {
            return dynamic_cast<QtDialogPeer*>(&widget) != nullptr &&
                   widget.windowTitle() == QStringLiteral("五线谱Demo");
        },
        [&script](QWidget& widget) {
            auto& dialog = dynamic_cast<QtDialogPeer&>(widget);
            MainWindowUser user(dialog);
            script(user);
            if (dialog.isVisible()) {
                user.Button(IDOK).click();
            }
        });
    return AfxWinMain();
}
