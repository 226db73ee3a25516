#include "tests/desktop/DesktopHarness.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/CWinApp.h"
#include "res/resource.h"

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
