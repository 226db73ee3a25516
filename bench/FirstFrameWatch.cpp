#include "bench/FirstFrameWatch.h"

#include <QBackingStore>
#include <QDialog>
#include <QEvent>
#include <QImage>
#include <QMetaEnum>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace {

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

const char* BackingStoreFormat(QWidget& dialog) {
    QBackingStore* store = dialog.backingStore();
    auto* image = store != nullptr ? dynamic_cast<QImage*>(store->paintDevice()) : nullptr;
    if (image == nullptr) {
        return "none";
    }
    return QMetaEnum::fromType<QImage::Format>().valueToKey(image->format());
}

}  // namespace

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

FirstFrameWatch::FirstFrameWatch(std::function<void(QWidget& dialog)> afterReport)
    : m_afterReport(std::move(afterReport)) {}

bool FirstFrameWatch::eventFilter(QObject* watched, QEvent* event) {
    if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()) {
        QWidget* dialog = static_cast<QWidget*>(watched)->window();
        if (qobject_cast<QDialog*>(dialog) != nullptr) {
            m_seen = true;
            // Queued: it runs after this paint and the flush that presents it.
            QTimer::singleShot(0, this, [this, dialog = QPointer<QWidget>(dialog)] {
                if (dialog != nullptr) {
                    Report(*dialog);
                }
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void FirstFrameWatch::Report(QWidget& dialog) {
    const long long presented = MonotonicNanoseconds();
    std::printf("first_frame_ns=%lld rss_kb=%ld dialog_size=%dx%d backing_store=%s\n", presented,
                ResidentKilobytes(), dialog.width(), dialog.height(), BackingStoreFormat(dialog));
    std::fflush(stdout);
    m_afterReport(dialog);
}
