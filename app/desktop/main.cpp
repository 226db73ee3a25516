// The desktop program's entry: starts Qt, puts the system's MIDI output behind the
// mapper and runs the application object.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/desktop/DisplayCheck.h"
#include "midi/MidiMapper.h"
#include "midi/system/MidiDevices.h"
#include "platform/CWinApp.h"
#include "platform/qt/QtBackend.h"

namespace {
QtMessageHandler g_qtHandler = nullptr;

// Qt ends the process with an abort when it cannot open the display it was given; say so
// in one line and leave with status 1 instead, without a core dump.
void ExitOnFatalStartupMessage(QtMsgType type, const QMessageLogContext& context,
                               const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "canzet: %s\n", text.toLocal8Bit().constData());
        std::_Exit(1);
    }
    if (g_qtHandler != nullptr) {
        g_qtHandler(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
}
}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                    std::getenv("QT_QPA_PLATFORM"))) {
        std::fprintf(stderr, "%s\n", kNoDisplayMessage);
        return 1;
    }

    // Whole device pixel ratios keep every picture pixel an exact square of screen pixels.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    g_qtHandler = qInstallMessageHandler(ExitOnFatalStartupMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(g_qtHandler);

    QtBackend backend;
    SetCurrentBackend(&backend);
    const std::unique_ptr<MidiDevice> midi = CreateMidiDevice("system");
    SetMidiMapperDevice(midi.get());

    const int exitCode = AfxWinMain();

    SetMidiMapperDevice(nullptr);
    SetCurrentBackend(nullptr);
    return exitCode;
}
