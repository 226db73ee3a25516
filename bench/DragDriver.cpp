#include "bench/DragDriver.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace {

constexpr QSize kStaffSize(600, 160);

// The pointer sweeps up and down across the staff, crossing a line or space every few
// moves, and drifts right.
QPoint MovePoint(int move) {
    const int phase = move % 160;
    const int y = 45 + (phase < 80 ? phase : 160 - phase);
    return QPoint(150 + move / 4, y);
}

}  // namespace

DragDriver::DragDriver(QWidget& dialog, std::function<void()> finished)
    : m_dialog(dialog), m_finished(std::move(finished)) {
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (child->size() == kStaffSize) {
            m_staff = child;
        }
    }
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    m_timer.callOnTimeout([this] { NextMove(); });
}

void DragDriver::Start() {
    if (m_staff == nullptr) {
        std::printf("drag_error=no_staff\n");
        m_finished();
        return;
    }
    m_staff->installEventFilter(this);
    Post(QEvent::MouseButtonPress, MovePoint(0), true);
    m_clock.start();
    m_timer.start();
}

bool DragDriver::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_staff && event->type() == QEvent::Paint && m_clock.isValid()) {
        ++m_paints;
    }
    return QObject::eventFilter(watched, event);
}

// Events go to the dialog's window, as the window system's do, which hands them on to the
// widget under the pointer or to the one that holds the press.
void DragDriver::Post(int type, const QPoint& staffPoint, bool held) {
    QWindow* window = m_dialog.windowHandle();
    const QPoint inWindow = m_staff->mapTo(&m_dialog, staffPoint);
    const QPoint global = m_dialog.mapToGlobal(inWindow);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QCoreApplication::postEvent(
        window, new QMouseEvent(static_cast<QEvent::Type>(type), QPointF(inWindow), QPointF(global),
                                button, held ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
}

void DragDriver::NextMove() {
    if (++m_moves > kMoves) {
        m_timer.stop();
        m_dragMs = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
        Post(QEvent::MouseButtonRelease, MovePoint(kMoves), false);
        QTimer::singleShot(50, this, [this] { Finish(); });
        return;
    }
    Post(QEvent::MouseMove, MovePoint(m_moves), true);
}

void DragDriver::Finish() {
    const double refreshHz = m_dialog.screen() != nullptr ? m_dialog.screen()->refreshRate() : 60.0;
    std::printf("drag_moves=%d drag_paints=%d drag_ms=%.1f refresh_hz=%.1f drag_frames=%.1f\n",
                kMoves, m_paints, m_dragMs, refreshHz, m_dragMs * refreshHz / 1000.0);
    std::fflush(stdout);
    m_finished();
}
