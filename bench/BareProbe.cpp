// The floor for start-up: a plain Qt dialog of a given size that loads the same built-in
// synthesizer and soundfont the program does and shows the program's two button captions
// in the same Song face, reporting its first presented frame. Showing those captions maps
// several megabytes of the CJK font, a cost of the text and not of the program's code.
// With "empty" it shows nothing at all.
// Usage: canzet_bench_bare WIDTH HEIGHT [empty]
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "bench/FirstFrameWatch.h"
#include "midi/system/MidiDevices.h"

int main(int argc, char* argv[]) {
    const int width = argc > 2 ? std::atoi(argv[1]) : 622;
    const int height = argc > 2 ? std::atoi(argv[2]) : 250;
    const bool empty = argc > 3 && std::strcmp(argv[3], "empty") == 0;
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
    if (!empty) {
        QFont song;
        song.setFamilies({QString::fromUtf8("宋体"), "AR PL UMing CN"});
        song.setPixelSize(12);
        dialog.setFont(song);
        (new QPushButton(QString::fromUtf8("退出"), &dialog))->setGeometry(665, 24, 75, 23);
        (new QPushButton(QString::fromUtf8("位置"), &dialog))->setGeometry(347, 240, 54, 42);
    }
    return dialog.exec();
}
