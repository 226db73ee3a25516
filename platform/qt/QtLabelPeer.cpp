#include "platform/qt/QtLabelPeer.h"

#include <QPixmap>

#include "platform/qt/QtIcon.h"

QtLabelPeer::QtLabelPeer(QWidget* parent) : QLabel(parent), QtWidgetPeer(this) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Left-aligned statics wrap their text within their rectangle.
    setWordWrap(true);
}

void QtLabelPeer::ShowIcon(HICON icon) {
    // The control takes the size of the icon, as an icon static does.
    setPixmap(IconToQIcon(icon).pixmap(kIconSize, kIconSize));
    resize(kIconSize, kIconSize);
}

void QtLabelPeer::SetText(const std::string& utf8) {
    setText(QString::fromStdString(utf8));
}

std::string QtLabelPeer::Text() const {
    return text().toStdString();
}
