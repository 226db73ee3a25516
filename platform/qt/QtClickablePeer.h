// A button of a dialog template, of Qt's kind `Button` (a push button, a check box). A
// click sends WM_COMMAND with BN_CLICKED and the button's id to the dialog; the peer's text
// is the button's label.
#pragma once

#include <QAbstractButton>
#include <string>

#include "platform/qt/QtWidgetPeer.h"

template <class Button>
class QtClickablePeer : public Button, public QtWidgetPeer {
  public:
    QtClickablePeer(QWidget* parent, QtWidgetPeer& dialog, int id)
        : Button(parent), QtWidgetPeer(this) {
        QObject::connect(this, &QAbstractButton::clicked, [&dialog, id, this] {
            dialog.Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(static_cast<WindowPeer*>(this)));
        });
    }

    void SetText(const std::string& utf8) override { this->setText(QString::fromStdString(utf8)); }
    std::string Text() const override { return this->text().toStdString(); }
};
