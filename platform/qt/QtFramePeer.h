// A static frame or rectangle of a dialog template. A window object bound to it gets its
// mouse, key, focus and paint messages: what the owner paints into the client surface is
// shown; with no owner painting, the frame itself is drawn. A key that the owner leaves to
// the default processing goes on to the dialog, as do keys with Alt or Meta held.
#pragma once

#include <QWidget>

#include "platform/qt/FramePacer.h"
#include "platform/qt/QtWidgetPeer.h"

class QtFramePeer : public QWidget, public QtWidgetPeer {
  public:
    // `notify`: the control reports mouse input (SS_NOTIFY); without it clicks pass
    // through to the dialog beneath, as they do for any plain static.
    QtFramePeer(QWidget* parent, bool notify);

    void SetText(const std::string& utf8) override { m_text = utf8; }
    std::string Text() const override { return m_text; }
    // What a mouse move asks for is paced to the screen's refresh; anything else at once.
    void Invalidate(const RECT* rect, BOOL erase) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The frame becomes a list to assistive technologies (QtAccessibleList), which are told
    // of the item that changed rather than of the whole.
    void SetAccessibleList(const AccessibleList& list, int told) override;
    bool HoldsList() const { return m_holdsList; }
    const AccessibleList& Accessible() const { return m_list; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tooltips come from the owner, for the point the pointer rests on.
    bool event(QEvent* event) override;

  private:
    void SendMouse(UINT message, const QMouseEvent& event);

    std::string m_text;
    FramePacer m_pacer{*this};
    bool m_inMouseMove = false;
    bool m_keyLeftAlone = false;
    bool m_holdsList = false;
    AccessibleList m_list;
};
