#include "platform/qt/QtAccessibleList.h"

#include "platform/qt/QtAccessibleListItem.h"
#include "platform/qt/QtFramePeer.h"

namespace {

QAccessibleInterface* MakeForFrame(const QString&, QObject* object) {
    auto* frame = dynamic_cast<QtFramePeer*>(object);
    return frame != nullptr && frame->HoldsList() ? new QtAccessibleList(*frame) : nullptr;
}

}  // namespace

void QtAccessibleList::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeForFrame);
        return true;
    }();
    static_cast<void>(installed);
}

QtAccessibleList::QtAccessibleList(QtFramePeer& frame)
    : QAccessibleWidget(&frame, QAccessible::List), m_frame(frame) {}

QtAccessibleList::~QtAccessibleList() {
    for (const QAccessible::Id id : m_items) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

QAccessible::Role QtAccessibleList::role() const {
    return QAccessible::List;
}

QAccessible::State QtAccessibleList::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    return state;
}

QString QtAccessibleList::text(QAccessible::Text t) const {
    const AccessibleList& list = m_frame.Accessible();
    switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(list.name);
        case QAccessible::Description:
        case QAccessible::Value:
            return QString::fromStdString(list.text);
        default:
            return QAccessibleWidget::text(t);
    }
}

int QtAccessibleList::childCount() const {
    return static_cast<int>(m_frame.Accessible().items.size());
}

QAccessibleInterface* QtAccessibleList::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    while (static_cast<int>(m_items.size()) <= index) {
        m_items.push_back(QAccessible::registerAccessibleInterface(
            new QtAccessibleListItem(m_frame, static_cast<int>(m_items.size()))));
    }
    return QAccessible::accessibleInterface(m_items[static_cast<std::size_t>(index)]);
}

int QtAccessibleList::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (QAccessible::accessibleInterface(m_items[i]) == child) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QAccessibleInterface* QtAccessibleList::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* item = child(i);
        if (item->rect().contains(x, y)) {
            return item;
        }
    }
    return nullptr;
}

QAccessibleInterface* QtAccessibleList::focusChild() const {
    const int current = m_frame.Accessible().current;
    return m_frame.hasFocus() && current >= 0 ? child(current) : nullptr;
}
