#include "platform/qt/QtFramePeer.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/CWnd.h"
#include "platform/qt/QtAccessibleList.h"

namespace {

// The virtual key of a Qt key that the window system would send as WM_KEYDOWN; 0 for none.
int VirtualKey(int key) {
    static constexpr std::pair<int, int> kKeys[] = {
        {Qt::Key_Up, VK_UP},
        {Qt::Key_Down, VK_DOWN},
        {Qt::Key_Left, VK_LEFT},
        {Qt::Key_Right, VK_RIGHT},
        {Qt::Key_PageUp, VK_PRIOR},
        {Qt::Key_PageDown, VK_NEXT},
        {Qt::Key_Home, VK_HOME},
        {Qt::Key_End, VK_END},
        {Qt::Key_Space, VK_SPACE},
        {Qt::Key_Delete, VK_DELETE},
        {Qt::Key_Backspace, VK_BACK},
        {Qt::Key_Return, VK_RETURN},
        {Qt::Key_Enter, VK_RETURN},
        // The keys that set a note's sign, which an owner may turn on: the = + key and the
        // - key (the keypad's too), N and 0, as the window system names them.
        {Qt::Key_Equal, 0xBB},
        {Qt::Key_Plus, 0xBB},
        {Qt::Key_Minus, 0xBD},
        {Qt::Key_N, 'N'},
        {Qt::Key_0, '0'},
    };
    for (const auto& [qtKey, virtualKey] : kKeys) {
        if (qtKey == key) {
            return virtualKey;
        }
    }
    return 0;
}

// What a control must answer to WM_GETDLGCODE to have a key the dialog would otherwise use;
// 0 for keys that always reach it.
UINT DialogCodeNeeded(int virtualKey) {
    if (virtualKey >= VK_LEFT && virtualKey <= VK_DOWN) {
        return DLGC_WANTARROWS;
    }
    return virtualKey == VK_RETURN ? DLGC_WANTMESSAGE : 0;
}

}  // namespace

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

LRESULT QtFramePeer::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        m_keyLeftAlone = true;
        return 0;
    }
    return QtWidgetPeer::DefWindowProc(message, wParam, lParam);
}

// Alt and Meta make a key the window's (the system menu, the dialog's shortcuts), as
// WM_SYSKEYDOWN does; arrows and Enter reach the owner only when it asks for them
// (WM_GETDLGCODE), else they stay the dialog's.
void QtFramePeer::keyPressEvent(QKeyEvent* event) {
    const int virtualKey = VirtualKey(event->key());
    const UINT needed = DialogCodeNeeded(virtualKey);
    if (virtualKey == 0 || (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) != 0 ||
        (needed != 0 && (Send(WM_GETDLGCODE, static_cast<WPARAM>(virtualKey), 0) & needed) == 0)) {
        event->ignore();
        return;
    }
    m_keyLeftAlone = false;
    Send(WM_KEYDOWN, static_cast<WPARAM>(virtualKey), MAKELPARAM(1, 0));
    event->setAccepted(!m_keyLeftAlone);
}

void QtFramePeer::focusInEvent(QFocusEvent*) {
    Send(WM_SETFOCUS, 0, 0);
}

void QtFramePeer::focusOutEvent(QFocusEvent*) {
    Send(WM_KILLFOCUS, 0, 0);
}

// A new current item (or a list of another length) moves the focus; otherwise the told
// item has a new name, or at least a new place to say.
void QtFramePeer::SetAccessibleList(const AccessibleList& list, int told) {
    QtAccessibleList::Install();
    const AccessibleList before = std::exchange(m_list, list);
    m_holdsList = true;
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(this);
    if (dynamic_cast<QtAccessibleList*>(self) == nullptr) {
        // Asked for before the frame held a list: Qt's own interface goes for the list's.
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(self));
        self = QAccessible::queryAccessibleInterface(this);
    }
    QAccessibleInterface* item = told >= 0 ? self->child(told) : nullptr;
    if (item == nullptr) {
        if (list.text != before.text) {
            QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        }
        return;
    }
    const bool moved = told != before.current || list.items.size() != before.items.size();
    if (moved && hasFocus()) {
        QAccessibleEvent focus(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    } else {
        QAccessibleEvent named(item, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleEvent described(item, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

bool QtFramePeer::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint point = help->pos();
    CRect area;
    const std::string text =
        GetOwner() != nullptr ? GetOwner()->GetToolTipText(CPoint(point.x(), point.y()), area) : "";
    if (text.empty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), QString::fromStdString(text), this,
                           QRect(area.left, area.top, area.Width(), area.Height()));
    }
    return true;
}
