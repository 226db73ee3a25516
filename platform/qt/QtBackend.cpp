#include "platform/qt/QtBackend.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/CDialog.h"
#include "platform/CWinApp.h"
#include "platform/Resources.h"
#include "platform/qt/QtDialogPeer.h"
#include "platform/qt/QtIcon.h"

namespace {
QWidget* WidgetOf(CWnd* window) {
    auto* peer = window != nullptr ? dynamic_cast<QtWidgetPeer*>(window->GetPeer()) : nullptr;
    return peer != nullptr ? &peer->Widget() : nullptr;
}
}  // namespace

QtBackend::QtBackend(std::string title, std::string closeItemText)
    : m_title(std::move(title)), m_closeItemText(std::move(closeItemText)) {}

INT_PTR QtBackend::RunModalDialog(CDialog& dialog, UINT templateId, CWnd* parent) {
    const std::optional<DialogTemplate> dialogTemplate = LoadDialogTemplateResource(templateId);
    if (!dialogTemplate) {
        return -1;
    }
    // A dialog without a parent stands over the main window, as in the window system.
    CWinApp* app = AfxGetApp();
    if (parent == nullptr && app != nullptr && app->m_pMainWnd != &dialog) {
        parent = app->m_pMainWnd;
    }
    QtDialogPeer window(*dialogTemplate, WidgetOf(parent), m_closeItemText);
    dialog.Attach(&window);
    dialog.SendMessage(WM_INITDIALOG, 0, 0);
    const int result = window.RunModal();
    dialog.Attach(nullptr);
    return result;
}

int QtBackend::MessageBox(const std::string& utf8Text, UINT) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(m_title),
                    QString::fromStdString(utf8Text), QMessageBox::Ok,
                    QApplication::activeModalWidget());
    box.exec();
    return IDOK;
}

int QtBackend::GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}

SHORT QtBackend::GetKeyState(int virtualKey) {
    Qt::KeyboardModifier modifier = Qt::NoModifier;
    switch (virtualKey) {
        case VK_CONTROL:
            modifier = Qt::ControlModifier;
            break;
        case VK_SHIFT:
            modifier = Qt::ShiftModifier;
            break;
        case VK_MENU:
            modifier = Qt::AltModifier;
            break;
        default:
            return 0;
    }
    // Qt keeps the modifiers of the last input event, which is the one being handled.
    return QApplication::keyboardModifiers().testFlag(modifier) ? static_cast<SHORT>(-0x8000) : 0;
}

void QtBackend::PostToWindowThread(std::function<void()> work) {
    QMetaObject::invokeMethod(qApp, std::move(work), Qt::QueuedConnection);
}
