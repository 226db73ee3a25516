// Drags a note across the staff of the real dialog with mouse events that arrive faster
// than the screen refreshes (one every millisecond), and counts the staff's paints. Prints:
//   drag_moves=<n> drag_paints=<n> drag_ms=<t> refresh_hz=<r> drag_frames=<t × r>
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>

class QWidget;

class DragDriver : public QObject {
  public:
    static constexpr int kMoves = 600;

    DragDriver(QWidget& dialog, std::function<void()> finished);
    void Start();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Post(int type, const QPoint& staffPoint, bool held);
    void NextMove();
    void Finish();

    QWidget& m_dialog;
    QWidget* m_staff = nullptr;
    std::function<void()> m_finished;
    QTimer m_timer;
    QElapsedTimer m_clock;
    int m_moves = 0;
    int m_paints = 0;
    double m_dragMs = 0.0;
};
