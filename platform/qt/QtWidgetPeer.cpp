#include "platform/qt/QtWidgetPeer.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/CWnd.h"
#include "platform/qt/QtIcon.h"

LRESULT QtWidgetPeer::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* owner = GetOwner();
    return owner != nullptr ? owner->WindowProc(message, wParam, lParam)
                            : DefWindowProc(message, wParam, lParam);
}

LRESULT QtWidgetPeer::DefWindowProc(UINT message, WPARAM, LPARAM) {
    if (message == WM_ERASEBKGND || message == WM_ICONERASEBKGND) {
        Surface& surface = ClientSurface();
        surface.Reset(surface.Width(), surface.Height(),
                      m_widget.palette().color(QPalette::Window).rgb() & 0x00FFFFFFu);
        return TRUE;
    }
    return 0;
}

// Qt merges the requests made before the next frame into one paint event.
void QtWidgetPeer::Invalidate(const RECT* rect, BOOL) {
    if (rect == nullptr) {
        m_widget.update();
    } else {
        m_widget.update(
            QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top));
    }
}

Surface& QtWidgetPeer::ClientSurface() {
    const int scale = PaintScale();
    if (m_surface.Width() != m_widget.width() * scale ||
        m_surface.Height() != m_widget.height() * scale) {
        m_surface.Reset(m_widget.width() * scale, m_widget.height() * scale);
    }
    return m_surface;
}

int QtWidgetPeer::PaintScale() const {
    return m_widget.devicePixelRatioF() >= 1.5 ? 2 : 1;
}

CRect QtWidgetPeer::BeginPaint() {
    // Outside a paint event (a WM_PAINT sent by hand) the whole client area is renewed.
    return m_inPaintEvent ? m_paintRect : ClientRect();
}

void QtWidgetPeer::EndPaint() {
    m_painted = true;
    if (!m_inPaintEvent) {
        m_widget.update();
    }
}

CRect QtWidgetPeer::ClientRect() const {
    return CRect(0, 0, m_widget.width(), m_widget.height());
}

void QtWidgetPeer::Move(int x, int y, int width, int height, BOOL repaint) {
    m_widget.setGeometry(x, y, width, height);
    if (repaint) {
        m_widget.update();
    }
}

CRect QtWidgetPeer::Place() const {
    const QRect place = m_widget.geometry();
    return CRect(place.left(), place.top(), place.left() + place.width(),
                 place.top() + place.height());
}

// Dialogs keep the size they are given: the user does not resize them.
void QtWidgetPeer::SetClientSize(int width, int height) {
    m_widget.setFixedSize(width, height);
}

BOOL QtWidgetPeer::IsIconic() const {
    return m_widget.isWindow() && m_widget.isMinimized() ? TRUE : FALSE;
}

HICON QtWidgetPeer::SetIcon(HICON icon, BOOL big) {
    HICON& slot = big ? m_bigIcon : m_smallIcon;
    HICON previous = slot;
    slot = icon;
    m_widget.setWindowIcon(IconToQIcon(m_bigIcon != nullptr ? m_bigIcon : m_smallIcon));
    return previous;
}

WindowPeer* QtWidgetPeer::Control(int) {
    return nullptr;
}

CMenu* QtWidgetPeer::SystemMenu(BOOL) {
    return nullptr;
}

void QtWidgetPeer::EndModal(int) {}

void QtWidgetPeer::NotifyParent(UINT code) {
    if (m_parent != nullptr) {
        m_parent->Send(WM_COMMAND, MAKEWPARAM(m_id, code),
                       reinterpret_cast<LPARAM>(static_cast<WindowPeer*>(this)));
    }
}

void QtWidgetPeer::ModifyStyle(DWORD remove, DWORD add) {
    if ((add & WS_TABSTOP) != 0) {
        m_widget.setFocusPolicy(Qt::StrongFocus);
    } else if ((remove & WS_TABSTOP) != 0) {
        m_widget.setFocusPolicy(Qt::NoFocus);
    }
}

// Qt tells assistive technologies of each change itself.
void QtWidgetPeer::SetAccessibleText(const std::string& name, const std::string& description) {
    m_widget.setAccessibleName(QString::fromStdString(name));
    m_widget.setAccessibleDescription(QString::fromStdString(description));
}

void QtWidgetPeer::Enable(BOOL enable) {
    m_widget.setEnabled(enable != FALSE);
}

void QtWidgetPeer::SetFocus() {
    m_widget.setFocus(Qt::OtherFocusReason);
}

// The dialog's font is set in pixels, as the window system's dialogs size it.
void QtWidgetPeer::ScaleFont(int percent) {
    const QWidget* dialog = m_widget.parentWidget();
    QFont font = dialog != nullptr ? dialog->font() : m_widget.font();
    if (font.pixelSize() > 0) {
        font.setPixelSize((font.pixelSize() * percent + 50) / 100);
    } else {
        font.setPointSizeF(font.pointSizeF() * percent / 100);
    }
    m_widget.setFont(font);
}

// Queued on the widget, so a message posted to a window that is gone is dropped.
void QtWidgetPeer::Post(UINT message, WPARAM wParam, LPARAM lParam) {
    QMetaObject::invokeMethod(
        &m_widget, [this, message, wParam, lParam] { Send(message, wParam, lParam); },
        Qt::QueuedConnection);
}

QPoint QtWidgetPeer::ControlPoint(const QPointF& position) {
    return QPoint(static_cast<int>(std::floor(position.x())),
                  static_cast<int>(std::floor(position.y())));
}

bool QtWidgetPeer::PaintThroughOwner(const QRect& rect) {
    m_paintRect = CRect(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
    m_painted = false;
    m_inPaintEvent = true;
    Send(WM_PAINT, 0, 0);
    m_inPaintEvent = false;
    return m_painted;
}

void QtWidgetPeer::PresentSurface(QPainter& painter, const QRect& rect) const {
    if (m_surface.IsEmpty()) {
        return;
    }
    // The opaque surface is Format_RGB32's 0xFFRRGGBB, so no copy is made. Qt copies the top
    // byte as it is into a backing store with alpha, as on Wayland.
    QImage image(reinterpret_cast<const uchar*>(m_surface.Row(0)), m_surface.Width(),
                 m_surface.Height(), m_surface.Width() * 4, QImage::Format_RGB32);
    const int scale = m_surface.Width() / std::max(m_widget.width(), 1);
    if (scale == 1 && m_widget.devicePixelRatioF() == 1.0) {
        painter.drawImage(rect, image, rect);
        return;
    }
    image.setDevicePixelRatio(scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(
        QRectF(rect), image,
        QRectF(rect.x() * scale, rect.y() * scale, rect.width() * scale, rect.height() * scale));
}
