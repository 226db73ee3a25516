// The desktop program as it starts for a user, reporting the first frame its main dialog
// presents and then leaving at once. With --drag it first drags a note across the staff
// and reports the paints that took. Message boxes are answered at once, so that a machine
// without sound doesn't wait for a user to read the failure.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/Canzet.h"
#include "app/Language.h"
#include "bench/DragDriver.h"
#include "bench/FirstFrameWatch.h"
#include "midi/MidiMapper.h"
#include "midi/system/MidiDevices.h"
#include "platform/CWinApp.h"
#include "platform/Resources.h"
#include "platform/qt/QtBackend.h"
#include "res/EmbeddedResources.h"

namespace {

class AnsweringBackend : public QtBackend {
  public:
    AnsweringBackend() : QtBackend(kProgramName, "关闭") {}

    int MessageBox(const std::string& utf8Text, UINT) override {
        std::fprintf(stderr, "message box answered: %s\n", utf8Text.c_str());
        return IDOK;
    }
};

}  // namespace

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

    SetResourceBytes(EmbeddedResourceBytes());
    SetResourceLanguage(kChineseResources, kChineseResources);
    AnsweringBackend backend;
    SetCurrentBackend(&backend);
    const std::unique_ptr<MidiDevice> midi = CreateMidiDevice("system");
    SetMidiMapperDevice(midi.get());
    return AfxWinMain();
}
