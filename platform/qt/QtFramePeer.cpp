#include "platform/qt/QtFramePeer.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

QtFramePeer::QtFramePeer(QWidget* parent, bool notify) : QWidget(parent), QtWidgetPeer(this) {
    // The owner paints every pixel; Qt need not clear behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents, !notify);
    // Moves reach the owner with no button held too, as they do in the window system.
    setMouseTracking(true);
}

void QtFramePeer::Invalidate(const RECT* rect, BOOL erase) {
    if (!m_inMouseMove) {
        m_pacer.Flush();
        QtWidgetPeer::Invalidate(rect, erase);
        return;
    }
    m_pacer.Request(rect == nullptr ? this->rect()
                                    : QRect(rect->left, rect->top, rect->right - rect->left,
                                            rect->bottom - rect->top));
}

void QtFramePeer::paintEvent(QPaintEvent* event) {
    m_pacer.Painted();
    const bool painted = PaintThroughOwner(event->rect());
    QPainter painter(this);
    if (painted) {
        PresentSurface(painter, event->rect());
        return;
    }
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// Only the left button is translated: it is the one the program's handlers read.
void QtFramePeer::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    SendMouse(WM_LBUTTONDOWN, *event);
}

// While the left button is held Qt keeps sending moves here even outside the widget,
// so a drag always sees its release.
void QtFramePeer::mouseMoveEvent(QMouseEvent* event) {
    m_inMouseMove = true;
    SendMouse(WM_MOUSEMOVE, *event);
    m_inMouseMove = false;
}

void QtFramePeer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    SendMouse(WM_LBUTTONUP, *event);
}

void QtFramePeer::SendMouse(UINT message, const QMouseEvent& event) {
    const QPoint point = ControlPoint(event.position());
    const UINT flags = event.buttons().testFlag(Qt::LeftButton) ? MK_LBUTTON : 0;
    Send(message, flags, MAKELPARAM(point.x(), point.y()));
}
