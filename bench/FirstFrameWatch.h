// Watches a Qt program for the first frame that a dialog presents. A paint event marks the
// frame; the report runs from the event queue right after it, once the painted pixels have
// been flushed to the window, and prints one line:
//   first_frame_ns=<CLOCK_MONOTONIC> rss_kb=<resident set> dialog_size=<w>x<h>
//   backing_store=<format>
#pragma once

#include <QObject>
#include <functional>

class QWidget;

class FirstFrameWatch : public QObject {
  public:
    // `afterReport` runs once the line is printed, with the dialog that painted.
    explicit FirstFrameWatch(std::function<void(QWidget& dialog)> afterReport);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Report(QWidget& dialog);

    std::function<void(QWidget&)> m_afterReport;
    bool m_seen = false;
};

// The resident set of this process in KiB, from /proc/self/status.
long ResidentKilobytes();
