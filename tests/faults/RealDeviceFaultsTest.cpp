// MIDI failures of the real devices: a soundfont that is missing, empty, truncated or not a
// soundfont, a sound server that accepts the connection and then never answers, one that
// hangs or dies while notes play, and no audio output at all. Each gives the program's message, or
// none, without hanging the user-interface thread, and the staff goes on working silently.
#include <gtest/gtest.h>

#include <chrono>
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
#include "midi/fluidsynth/FluidSynthDevice.h"
#include "midi/system/MidiDevices.h"
#include "tools/nullsink/NullSinkServer.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Far beyond any bound the devices set themselves; only a real hang reaches it.
constexpr auto kHang = 60s;

std::vector<char> ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& path, const std::vector<char>& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
}

// The staff is edited after the failure just as before it: the note lands on step 2.
void ExpectTheStaffStillWorks(StaffRig& rig, const std::vector<std::string>& messages) {
    rig.DragAcrossTheStaff();
    EXPECT_EQ(rig.FirstStep(), 2);
    EXPECT_EQ(rig.MessageBoxes(), messages) << "dragging reports nothing";
}

struct SoundfontCase {
    const char* name;
    // Writes the soundfont under test to the path given, from the real one's bytes.
    std::function<void(const fs::path&, const std::vector<char>&)> make;
    std::vector<std::string> messages;
};

const SoundfontCase kSoundfonts[] = {
    {"Missing", [](const fs::path&, const std::vector<char>&) {}, {kInitFailed}},
    {"Empty", [](const fs::path& p, const std::vector<char>&) { WriteAll(p, {}); }, {kInitFailed}},
    {"HeaderOnly",
     [](const fs::path& p, const std::vector<char>& real) {
         WriteAll(p, {real.begin(), real.begin() + 12});
     },
     {kInitFailed}},
    {"TruncatedToHalf",
     [](const fs::path& p, const std::vector<char>& real) {
         WriteAll(p, {real.begin(), real.begin() + static_cast<long>(real.size() / 2)});
     },
     {kInitFailed}},
    {"WholeLengthButGarbage",
     [](const fs::path& p, const std::vector<char>& real) {
         std::vector<char> bytes(real.size(), '\x5A');
         std::copy(real.begin(), real.begin() + 12, bytes.begin());
         WriteAll(p, bytes);
     },
     {kOpenFailed}},
};

class BrokenSoundfont : public RealDevice, public testing::WithParamInterface<SoundfontCase> {};

TEST_P(BrokenSoundfont, GivesItsMessageAndTheStaffKeepsWorking) {
    const fs::path soundfont = scratch / "broken.sf2";
    GetParam().make(soundfont, ReadAll(kSoundfont));
    FluidSynthDevice device(soundfont.string(), {"pulseaudio", "alsa"}, 2000ms);
    StaffRig rig(&device);
    {
        HangGuard guard(kHang, "InitMidi");
        rig.Staff().InitMidi();
    }
    EXPECT_EQ(rig.MessageBoxes(), GetParam().messages);
    ExpectTheStaffStillWorks(rig, GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(FluidSynth, BrokenSoundfont, ::testing::ValuesIn(kSoundfonts),
                         [](const auto& info) { return std::string(info.param.name); });

using HungSoundServer = RealDevice;

TEST_F(HungSoundServer, OpeningGivesUpWithinItsBoundAndReportsTheFailure) {
    SilentSoundServer server((scratch / "native").string());
    ASSERT_TRUE(server.Listening());
    FluidSynthDevice device(kSoundfont.string(), {"pulseaudio"}, 500ms);
    StaffRig rig(&device);
    {
        // The open runs off this thread and is abandoned at its bound: the window's thread
        // comes back with the failure instead of waiting for the server.
        HangGuard guard(kHang, "InitMidi against a sound server that never answers");
        EXPECT_TRUE(rig.Staff().InitMidi());
    }
    EXPECT_EQ(rig.MessageBoxes(), std::vector<std::string>{kOpenFailed});
    {
        HangGuard guard(kHang, "editing after the open was abandoned");
        ExpectTheStaffStillWorks(rig, {kOpenFailed});
        rig.DestroyStaff();
    }
}

// The program's own device plays through a real sound server, which hangs or dies halfway
// through a drag. The rest of the drag and closing the output come back (closing within its
// bound), nothing is reported, and the note lands where it was dragged.
struct ServerFault {
    const char* name;
    void (NullSinkServer::*fault)() const;
};

class SoundServerFailsWhileNotesPlay : public WithSoundfont,
                                       public testing::WithParamInterface<ServerFault> {};

TEST_P(SoundServerFailsWhileNotesPlay, TheWindowGoesOnSilently) {
    const NullSinkServer server;
    ASSERT_TRUE(server.Running());
    auto device = CreateMidiDevice("system");
    StaffRig rig(device.get());
    ASSERT_TRUE(rig.Staff().InitMidi());
    ASSERT_TRUE(rig.MessageBoxes().empty()) << "the synthesizer opened on the server";
    {
        HangGuard guard(kHang,
                        std::string("a drag and close with a server that ") + GetParam().name);
        rig.DragAcrossTheStaff([&] { (server.*GetParam().fault)(); });
        EXPECT_EQ(rig.FirstStep(), 2);
        rig.DestroyStaff();
    }
    EXPECT_TRUE(rig.MessageBoxes().empty());
    server.Thaw();
}

INSTANTIATE_TEST_SUITE_P(PulseAudio, SoundServerFailsWhileNotesPlay,
                         ::testing::Values(ServerFault{"Freezes", &NullSinkServer::Freeze},
                                           ServerFault{"Dies", &NullSinkServer::Kill}),
                         [](const auto& info) { return std::string(info.param.name); });

using NoAudioOutput = RealDevice;

// The synth waits for a sound server to come, so the open is no failure.
TEST_F(NoAudioOutput, TheSystemDeviceOpensWithoutAMessageAndStaysSilent) {
    if (fs::exists("/dev/snd")) {
        GTEST_SKIP() << "a sound card or a sequencer exists here, so an output can open";
    }
    // A sound server address where nothing listens, so the desktop's server is not used.
    setenv("PULSE_SERVER", ("unix:" + (scratch / "nobody").string()).c_str(), 1);
    auto device = CreateMidiDevice("system");
    ASSERT_NE(device, nullptr);
    StaffRig rig(device.get());
    {
        HangGuard guard(kHang, "InitMidi with no audio output");
        EXPECT_TRUE(rig.Staff().InitMidi());
    }
    unsetenv("PULSE_SERVER");
    EXPECT_TRUE(rig.MessageBoxes().empty());
    ExpectTheStaffStillWorks(rig, {});
}

}  // namespace
