#include "platform/qt/FramePacer.h"

#include <QScreen>
#include <QWidget>

namespace {

constexpr qreal kFallbackRefreshHz = 60.0;
constexpr qint64 kNanosecondsPerMillisecond = 1'000'000;

}  // namespace

FramePacer::FramePacer(QWidget& widget) : m_widget(widget) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.callOnTimeout([this] { Flush(); });
}

void FramePacer::Request(const QRect& area) {
    // A paint already asked for has not happened yet: Qt merges this request into it.
    const bool waitForFrame = !m_pacedPaintDue && m_sincePacedPaint.isValid() &&
                              m_sincePacedPaint.nsecsElapsed() < FrameNanoseconds();
    if (!waitForFrame) {
        Update(m_held + area);
        return;
    }
    m_held += area;
    if (!m_timer.isActive()) {
        const qint64 wait = FrameNanoseconds() - m_sincePacedPaint.nsecsElapsed();
        m_timer.start(
            static_cast<int>((wait + kNanosecondsPerMillisecond - 1) / kNanosecondsPerMillisecond));
    }
}

void FramePacer::Flush() {
    if (!m_held.isEmpty()) {
        Update(m_held);
    }
}

void FramePacer::Painted() {
    if (m_pacedPaintDue) {
        m_pacedPaintDue = false;
        m_sincePacedPaint.start();
    }
}

qint64 FramePacer::FrameNanoseconds() const {
    const QScreen* screen = m_widget.screen();
    const qreal hz = screen != nullptr && screen->refreshRate() > 0.0 ? screen->refreshRate()
                                                                      : kFallbackRefreshHz;
    return static_cast<qint64>(1e9 / hz);
}

void FramePacer::Update(QRegion area) {
    m_timer.stop();
    m_held = QRegion();
    m_pacedPaintDue = true;
    m_widget.update(area);
}
