// The floor for start-up: an empty Qt dialog of a given size that loads the same built-in
// synthesizer and soundfont the program does, reporting its first presented frame.
// Usage: canzet_bench_bare WIDTH HEIGHT
#include <QApplication>
#include <QDialog>
#include <cstdlib>
#include <memory>

#include "bench/FirstFrameWatch.h"
#include "midi/system/MidiDevices.h"

int main(int argc, char* argv[]) {
    const int width = argc > 2 ? std::atoi(argv[1]) : 622;
    const int height = argc > 2 ? std::atoi(argv[2]) : 250;
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication application(argc, argv);
    FirstFrameWatch watch([](QWidget&) { std::_Exit(0); });
    application.installEventFilter(&watch);

    // The same device, opened the same way, as the program's MIDI start-up.
    const std::unique_ptr<MidiDevice> midi = CreateMidiDevice("system");
    MIDIOUTCAPSA caps{};
    if (midi->GetCaps(caps) == MMSYSERR_NOERROR) {
        midi->Open();
    }

    QDialog dialog;
    dialog.setFixedSize(width, height);
    return dialog.exec();
}
