// One item of a QtAccessibleList: named by the item's text, described by the item with its
// place, focused while it is current and its frame has the focus.
#pragma once

#include <QAccessibleInterface>

class QtFramePeer;

class QtAccessibleListItem : public QAccessibleInterface {
  public:
    QtAccessibleListItem(QtFramePeer& frame, int index) : m_frame(frame), m_index(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

  private:
    QtFramePeer& m_frame;
    int m_index;
};
