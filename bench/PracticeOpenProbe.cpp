// The practice dialog opened from the menu as a user opens it, over a progress file given
// on the command line: once the main dialog has shown its first frame, the menu command is
// posted, and the time to the practice dialog's first frame (which shows the first prompt,
// set before the dialog shows) is printed as `fact practice_open_ms=MS`, with the resident
// memory then, `fact practice_open_rss_kb=KB`.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <memory>

#include "app/Canzet.h"
#include "bench/AnsweredProgram.h"
#include "bench/FirstFrameWatch.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "res/resource.h"

namespace {

using Clock = std::chrono::steady_clock;

// The first paint of a dialog other than the main one.
class PracticeFrameWatch : public QObject {
  public:
    PracticeFrameWatch(QWidget& main, Clock::time_point posted) : m_main(main), m_posted(posted) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            QWidget* dialog = static_cast<QWidget*>(watched)->window();
            if (dialog != &m_main && qobject_cast<QDialog*>(dialog) != nullptr) {
                const double ms =
                    std::chrono::duration<double, std::milli>(Clock::now() - m_posted).count();
                std::printf("fact practice_open_ms=%.1f\nfact practice_open_rss_kb=%ld\n", ms,
                            ResidentKilobytes());
                std::fflush(stdout);
                std::_Exit(0);
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& m_main;
    Clock::time_point m_posted;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: canzet_bench_practice_open PROGRESS_FILE\n");
        return 2;
    }
    theApp.m_practiceSetup.progressFile = argv[1];

    std::unique_ptr<PracticeFrameWatch> practice;
    FirstFrameWatch watch([&](QWidget& dialog) {
        std::fprintf(stderr, "main dialog rss_kb=%ld\n", ResidentKilobytes());
        const Clock::time_point posted = Clock::now();
        practice = std::make_unique<PracticeFrameWatch>(dialog, posted);
        QApplication::instance()->installEventFilter(practice.get());
        theApp.m_pMainWnd->PostMessage(WM_SYSCOMMAND, IDM_PRACTICE, 0);
    });
    application.installEventFilter(&watch);
    return RunAnsweredProgram();
}
