// The one line the program's sound device gives at start-up in each case of the fault
// matrix: exactly one, in the program's own words, with no line of the libraries' own on
// standard error, the message boxes as before, and soon enough for the window not to wait.
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "FailureMessages.h"
#include "HangGuard.h"
#include "RealDevice.h"
#include "SilentSoundServer.h"
#include "SoundLineWordsIn.h"
#include "StaffRig.h"
#include "midi/alsa/AlsaSequencerDevice.h"
#include "midi/system/MidiDevices.h"
#include "tools/nullsink/NullSinkServer.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kNoSequencer = "no MIDI port (no ALSA sequencer)";
const std::string kNoSequencerInChinese = "没有 MIDI 端口（没有 ALSA 音序器）";
const std::string kNoServer =
    "no audio output (PulseAudio: connection refused; ALSA: no sound card; JACK: no server)";

bool SequencerExists() {
    MIDIOUTCAPSA caps{};
    return AlsaSequencerDevice().GetCaps(caps) == MMSYSERR_NOERROR;
}

struct Scene {
    fs::path folder;
    std::string soundfont;  // what --soundfont would name
    bool chosen = true;     // named by the user, not the default looked for
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
    // How long the sound may hold the window back before it shows.
    std::chrono::milliseconds within = 500ms;
    Language language = Language::English;  // of the line
};

// The synthesizer could not take the soundfont, for the reason given.
std::string UnusableSoundfontLine(const std::string& reason,
                                  Language language = Language::English) {
    if (language == Language::Chinese) {
        return "没有声音：" + reason + "；" + kNoSequencerInChinese;
    }
    return "no sound: " + reason + "; " + kNoSequencer;
}

std::shared_ptr<void> NoServerAt(const Scene& scene) {
    setenv("PULSE_SERVER", ("unix:" + (scene.folder / "nobody").string()).c_str(), 1);
    return std::shared_ptr<void>(nullptr, [](void*) { unsetenv("PULSE_SERVER"); });
}

// A soundfont case: the file is made at "sf" in the scene's folder, which the scene names.
StartupCase Soundfont(const char* name, std::function<void(const fs::path&)> make,
                      std::function<std::string(const std::string& path)> reason,
                      Language language = Language::English) {
    return {name,
            false,
            [make](Scene& scene) {
                scene.soundfont = (scene.folder / "sf").string();
                make(scene.soundfont);
                return NoServerAt(scene);
            },
            [reason, language](const Scene& scene) {
                return UnusableSoundfontLine(reason(scene.soundfont), language);
            },
            {kInitFailed},
            500ms,
            language};
}

// A sound server that plays: the line names the synth and its output.
StartupCase ServerThatPlays(const char* name, const std::string& line,
                            Language language = Language::English) {
    return {name,
            false,
            [](Scene&) -> std::shared_ptr<void> { return std::make_shared<NullSinkServer>(); },
            [line](const Scene&) { return line; },
            {},
            2500ms,
            language};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Root reads any file. While this lives the thread (the one that checks the soundfont)
// runs without the capabilities that allow that, as every other user does.
class WithoutReadingAnything {
  public:
    WithoutReadingAnything() {
        if (syscall(SYS_capget, &m_header, m_saved) != 0) {
            return;
        }
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~(1U << CAP_DAC_OVERRIDE | 1U << CAP_DAC_READ_SEARCH);
        m_lowered = syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~WithoutReadingAnything() {
        if (m_lowered) {
            syscall(SYS_capset, &m_header, m_saved);
        }
    }
    WithoutReadingAnything(const WithoutReadingAnything&) = delete;
    WithoutReadingAnything& operator=(const WithoutReadingAnything&) = delete;

  private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_lowered = false;
};

const StartupCase kCases[] = {
    Soundfont(
        "Directory", [](const fs::path& path) { fs::create_directory(path); },
        [](const std::string& path) { return path + " is not a file"; }),
    Soundfont(
        "DirectoryInChinese", [](const fs::path& path) { fs::create_directory(path); },
        [](const std::string& path) { return path + " 不是文件"; }, Language::Chinese),
    Soundfont(
        "Fifo", [](const fs::path& path) { mkfifo(path.c_str(), 0600); },
        [](const std::string& path) { return path + " is not a file"; }),
    Soundfont(
        "Unreadable",
        [](const fs::path& path) {
            WriteFile(path, "RIFF");
            fs::permissions(path, fs::perms::none);
        },
        [](const std::string& path) { return "cannot read " + path + " (Permission denied)"; }),
    Soundfont(
        "Garbage", [](const fs::path& path) { WriteFile(path, "This is a text file.\n"); },
        [](const std::string& path) { return path + " is not a soundfont"; }),
    Soundfont(
        "Truncated",
        [](const fs::path& path) {
            fs::copy_file(kSoundfont, path);
            fs::resize_file(path, fs::file_size(kSoundfont) / 2);
        },
        [](const std::string& path) { return path + " is not a whole soundfont"; }),
    // Only the soundfont looked for by default comes from a package worth suggesting.
    {"MissingDefault",
     false,
     [](Scene& scene) {
         scene.soundfont = (scene.folder / "default-GM.sf2").string();
         scene.chosen = false;
         return NoServerAt(scene);
     },
     [](const Scene& scene) {
         return UnusableSoundfontLine("no soundfont at " + scene.soundfont) +
                "; install a General MIDI soundfont (fluid-soundfont-gm)";
     },
     {kInitFailed}},
    // With no server yet the synth stays open, waiting for one: no message box.
    {"NoAudioServer",
     false,
     NoServerAt,
     [](const Scene&) {
         return "no sound: " + kNoServer + "; " + kNoSequencer +
                "; start the desktop's sound server";
     },
     {},
     2500ms},
    {"ServerThatHangs",
     false,
     [](Scene& scene) -> std::shared_ptr<void> {
         return std::make_shared<SilentSoundServer>((scene.folder / "native").string());
     },
     [](const Scene&) {
         return "no sound: no audio output (PulseAudio: no answer within 2 s); " + kNoSequencer +
                "; start the desktop's sound server";
     },
     {kOpenFailed},
     2500ms},
    ServerThatPlays(
        "ServerThatPlays",
        "sound: built-in synth (default-GM.sf2) on PulseAudio, 10.7 ms buffer; " + kNoSequencer),
    ServerThatPlays("ServerThatPlaysInChinese",
                    "声音：内置合成器（default-GM.sf2），经 PulseAudio 输出，缓冲 10.7 ms；" +
                        kNoSequencerInChinese,
                    Language::Chinese),
    // The port opens, the synth does not: no message box, and the line says what to connect.
    {"PortOnly",
     true,
     NoServerAt,
     [](const Scene&) { return "no sound: " + kNoServer + "; connect a synth to MIDI port"; },
     {},
     2500ms},
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
        settings.soundfontChosen = scene.chosen;
        settings.words = SoundLineWordsIn(c.language);
        auto device = CreateSystemMidiDevice(
            settings, [&](const std::string& line) { lines.push_back(line); });
        StaffRig rig(device.get());
        testing::internal::CaptureStderr();
        {
            HangGuard guard(60s, "InitMidi");
            const WithoutReadingAnything asAnyUser;
            const auto start = std::chrono::steady_clock::now();
            rig.Staff().InitMidi();
            EXPECT_LT(std::chrono::steady_clock::now() - start, c.within);
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
