// A frame that holds a list of items, as assistive technologies see it: an operable list
// with one child per item, the current item focused and selected. Qt asks for it through
// the factory that Install puts in place; frames that hold no list keep Qt's own interface.
#pragma once

#include <QAccessibleWidget>
#include <vector>

class QtFramePeer;

class QtAccessibleList : public QAccessibleWidget {
  public:
    static void Install();

    explicit QtAccessibleList(QtFramePeer& frame);
    ~QtAccessibleList() override;

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

  private:
    QtFramePeer& m_frame;
    // The items' interfaces, made when first asked for; the registry holds them by id.
    mutable std::vector<QAccessible::Id> m_items;
};
