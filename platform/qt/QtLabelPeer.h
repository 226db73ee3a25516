// A static text or icon of a dialog template.
#pragma once

#include <QLabel>

#include "platform/qt/QtWidgetPeer.h"

class QtLabelPeer : public QLabel, public QtWidgetPeer {
  public:
    explicit QtLabelPeer(QWidget* parent);

    // Shows the icon's image of the system icon size in place of text (SS_ICON).
    void ShowIcon(HICON icon);

    void SetText(const std::string& utf8) override;
    std::string Text() const override;
};
