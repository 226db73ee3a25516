// Spaces the repaints that mouse moves ask for at least one screen refresh apart. Moves
// that come faster than the screen refreshes are merged into the next frame's paint, so a
// drag paints once per frame however fast the mouse reports.
#pragma once

#include <QElapsedTimer>
#include <QRegion>
#include <QTimer>

class QWidget;

class FramePacer {
  public:
    explicit FramePacer(QWidget& widget);
    FramePacer(const FramePacer&) = delete;
    FramePacer& operator=(const FramePacer&) = delete;

    // Asks for `area` to be repainted, at once unless a paced paint was shown less than a
    // refresh ago; then it is held until the refresh is due.
    void Request(const QRect& area);
    // Hands a held request to Qt now: another change is to be shown at once anyway.
    void Flush();
    // Tells the pacer that the widget painted.
    void Painted();

  private:
    qint64 FrameNanoseconds() const;
    // By value: the area may be the held region, which this empties.
    void Update(QRegion area);

    QWidget& m_widget;
    QRegion m_held;
    QTimer m_timer;
    QElapsedTimer m_sincePacedPaint;
    bool m_pacedPaintDue = false;
};
