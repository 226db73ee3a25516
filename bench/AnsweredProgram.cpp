#include "bench/AnsweredProgram.h"

#include <cstdio>
#include <memory>
#include <string>

#include "app/Canzet.h"
#include "app/Language.h"
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

int RunAnsweredProgram() {
    SetResourceBytes(EmbeddedResourceBytes());
    SetResourceLanguage(kChineseResources, kChineseResources);
    AnsweringBackend backend;
    SetCurrentBackend(&backend);
    const std::unique_ptr<MidiDevice> midi = CreateMidiDevice("system");
    SetMidiMapperDevice(midi.get());
    return AfxWinMain();
}
