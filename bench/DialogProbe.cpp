// The desktop program as it starts for a user, reporting the first frame its main dialog
// presents and then leaving at once. With --drag it first drags a note across the staff
// and reports the paints that took.
#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "bench/AnsweredProgram.h"
#include "bench/DragDriver.h"
#include "bench/FirstFrameWatch.h"

int main(int argc, char* argv[]) {
    const bool drag = argc > 1 && std::strcmp(argv[1], "--drag") == 0;
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication application(argc, argv);

    std::unique_ptr<DragDriver> driver;
    FirstFrameWatch watch([&](QWidget& dialog) {
        if (!drag) {
            std::_Exit(0);
        }
        driver = std::make_unique<DragDriver>(dialog, [] { std::_Exit(0); });
        driver->Start();
    });
    application.installEventFilter(&watch);
    return RunAnsweredProgram();
}
