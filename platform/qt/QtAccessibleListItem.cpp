#include "platform/qt/QtAccessibleListItem.h"

#include <QWidget>

#include "platform/qt/QtFramePeer.h"

bool QtAccessibleListItem::isValid() const {
    return m_index < static_cast<int>(m_frame.Accessible().items.size());
}

QWindow* QtAccessibleListItem::window() const {
    return m_frame.window()->windowHandle();
}

QAccessibleInterface* QtAccessibleListItem::parent() const {
    return QAccessible::queryAccessibleInterface(&m_frame);
}

QString QtAccessibleListItem::text(QAccessible::Text t) const {
    if (!isValid()) {
        return {};
    }
    const AccessibleItem& item = m_frame.Accessible().items[static_cast<std::size_t>(m_index)];
    switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(item.name);
        case QAccessible::Description:
            return QString::fromStdString(item.description);
        default:
            return {};
    }
}

QRect QtAccessibleListItem::rect() const {
    if (!isValid()) {
        return {};
    }
    const CRect& area = m_frame.Accessible().items[static_cast<std::size_t>(m_index)].area;
    return QRect(m_frame.mapToGlobal(QPoint(area.left, area.top)),
                 QSize(area.Width(), area.Height()));
}

QAccessible::State QtAccessibleListItem::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    state.invalid = !isValid();
    const bool current = m_index == m_frame.Accessible().current;
    state.selected = current;
    state.focused = current && m_frame.hasFocus();
    return state;
}
