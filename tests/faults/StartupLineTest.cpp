// The one line the program's sound device gives at start-up in each case of the fault
// matrix: exactly one, in the program's own words, with no line of the libraries' own on
// standard error, and the message boxes as before.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "FailureMessages.h"
#include "HangGuard.h"
#include "RealDevice.h"
#include "SilentSoundServer.h"
#include "StaffRig.h"
#include "midi/alsa/AlsaSequencerDevice.h"
#include "midi/system/MidiDevices.h"
#include "tools/nullsink/NullSinkServer.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kNoSequencer = "no MIDI port (no ALSA sequencer)";
const std::string kNoServer =
    "no audio output (PulseAudio: connection refused; ALSA: no sound card; JACK: no server)";

bool SequencerExists() {
    MIDIOUTCAPSA caps{};
    return AlsaSequencerDevice().GetCaps(caps) == MMSYSERR_NOERROR;
}

struct Scene {
    fs::path folder;
    std::string soundfont;  // what --soundfont would name
};

struct StartupCase {
    const char* name;
    bool needsSequencer;  // else: needs there to be none
    // Sets the scene up (a broken soundfont, a sound server or none); returns what must
    // live while the device opens.
    std::function<std::shared_ptr<void>(Scene&)> arrange;
    // The line expected, from the scene.
    std::function<std::string(const Scene&)> line;
    std::vector<std::string> messageBoxes;
};

// The synthesizer could not load the soundfont, for the reason given.
std::string UnloadableSoundfontLine(const std::string& reason) {
    return "no sound: " + reason + "; " + kNoSequencer +
           "; install a General MIDI soundfont (fluid-soundfont-gm)";
}

std::shared_ptr<void> NoServerAt(const Scene& scene) {
    setenv("PULSE_SERVER", ("unix:" + (scene.folder / "nobody").string()).c_str(), 1);
    return std::shared_ptr<void>(nullptr, [](void*) { unsetenv("PULSE_SERVER"); });
}

const StartupCase kCases[] = {
    {"NoSoundfont",
     false,
     [](Scene& scene) {
         scene.soundfont = (scene.folder / "missing.sf2").string();
         return NoServerAt(scene);
     },
     [](const Scene& scene) {
         return UnloadableSoundfontLine("no soundfont at " + scene.soundfont);
     },
     {kInitFailed}},
    {"TruncatedSoundfont",
     false,
     [](Scene& scene) {
         scene.soundfont = (scene.folder / "half.sf2").string();
         fs::copy_file(kSoundfont, scene.soundfont);
         fs::resize_file(scene.soundfont, fs::file_size(kSoundfont) / 2);
         return NoServerAt(scene);
     },
     [](const Scene& scene) {
         return UnloadableSoundfontLine(scene.soundfont + " is not a whole soundfont");
     },
     {kInitFailed}},
    {"NoAudioServer",
     false,
     NoServerAt,
     [](const Scene&) {
         return "no sound: " + kNoServer + "; " + kNoSequencer +
                "; start the desktop's sound server";
     },
     {kOpenFailed}},
    {"ServerThatHangs",
     false,
     [](Scene& scene) -> std::shared_ptr<void> {
         return std::make_shared<SilentSoundServer>((scene.folder / "native").string());
     },
     [](const Scene&) {
         return "no sound: no audio output (PulseAudio: no answer within 2 s); " + kNoSequencer +
                "; start the desktop's sound server";
     },
     {kOpenFailed}},
    {"ServerThatPlays",
     false,
     [](Scene&) -> std::shared_ptr<void> { return std::make_shared<NullSinkServer>(); },
     [](const Scene&) {
         return "sound: built-in synth (default-GM.sf2) on PulseAudio, 10.7 ms buffer; " +
                kNoSequencer;
     },
     {}},
    // The port opens, the synth does not: no message box, and the line says what to connect.
    {"PortOnly",
     true,
     NoServerAt,
     [](const Scene&) { return "no sound: " + kNoServer + "; connect a synth to MIDI port"; },
     {}},
};

class StartupLine : public RealDevice, public testing::WithParamInterface<StartupCase> {};

TEST_P(StartupLine, IsOneLineInTheProgramsOwnWords) {
    const StartupCase& c = GetParam();
    if (c.needsSequencer != SequencerExists()) {
        GTEST_SKIP() << (c.needsSequencer ? "no ALSA sequencer here" : "an ALSA sequencer here");
    }
    Scene scene{scratch.Path(), kSoundfont.string()};
    std::vector<std::string> lines;
    {
        const std::shared_ptr<void> arranged = c.arrange(scene);
        SoundSettings settings;
        settings.soundfont = scene.soundfont;
        auto device = CreateSystemMidiDevice(
            settings, [&](const std::string& line) { lines.push_back(line); });
        StaffRig rig(device.get());
        testing::internal::CaptureStderr();
        {
            HangGuard guard(60s, "InitMidi");
            rig.Staff().InitMidi();
        }
        rig.DragAcrossTheStaff();
        rig.DestroyStaff();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "no library line";
        EXPECT_EQ(rig.MessageBoxes(), c.messageBoxes);
    }
    ASSERT_EQ(lines.size(), 1U);
    if (c.needsSequencer) {
        EXPECT_TRUE(lines[0].starts_with(c.line(scene))) << lines[0];
    } else {
        EXPECT_EQ(lines[0], c.line(scene));
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, StartupLine, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
