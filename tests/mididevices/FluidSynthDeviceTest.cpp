#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "TempFolder.h"
#include "midi/fluidsynth/FluidSynthDevice.h"
#include "midi/system/MidiDevices.h"
#include "tools/nullsink/NullSinkServer.h"

namespace {

using namespace std::chrono_literals;

const std::string& Installed() {
    return audio_settings::kDefaultSoundfont;
}

// What a hung sound server looks like to a client: the connection is taken into the
// listen backlog and never answered. PulseAudio clients of this process are sent to it.
int ListenWithoutAnswering(const std::string& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 ||
        listen(listener, 8) < 0) {
        return -1;
    }
    setenv("PULSE_SERVER", ("unix:" + socketPath).c_str(), 1);
    return listener;
}

class FluidSynthDeviceTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(Installed())) {
            GTEST_SKIP() << "no General MIDI soundfont installed";
        }
    }
    // Nothing left open: sending and closing find no device.
    static void ExpectClosed(FluidSynthDevice& device) {
        EXPECT_EQ(device.ShortMsg(0x503C90), MMSYSERR_INVALHANDLE);
        EXPECT_EQ(device.Close(), MMSYSERR_INVALHANDLE);
    }
    TempFolder m_folder;
};

TEST_F(FluidSynthDeviceTest, MissingOrTruncatedSoundfontFailsCapsAndOpen) {
    MIDIOUTCAPSA caps{};
    EXPECT_EQ(FluidSynthDevice().GetCaps(caps), MMSYSERR_NOERROR);
    std::string prefix(4096, '\0');
    std::ifstream(Installed(), std::ios::binary).read(prefix.data(), prefix.size());
    for (const std::string& soundfont :
         {m_folder.Path("missing.sf2"), m_folder.Write("cut.sf2", prefix)}) {
        FluidSynthDevice device(soundfont, {"file"});
        EXPECT_NE(device.GetCaps(caps), MMSYSERR_NOERROR) << soundfont;
        EXPECT_NE(device.Open(), MMSYSERR_NOERROR) << soundfont;
        ExpectClosed(device);
    }
}

TEST_F(FluidSynthDeviceTest, NoAudioDriverThatOpensMeansNoOpenDevice) {
    FluidSynthDevice device(Installed(), {"no-such-driver", "another-missing-driver"});
    EXPECT_EQ(device.Open(), MMSYSERR_ERROR);
    ExpectClosed(device);
    EXPECT_EQ(device.Open(), MMSYSERR_ERROR);  // a fresh try, not "already open"
}

TEST_F(FluidSynthDeviceTest, HungSoundServerCannotHoldOpenPastItsBound) {
    const int server = ListenWithoutAnswering(m_folder.Path("pulse"));
    ASSERT_GE(server, 0);
    FluidSynthDevice device(Installed(), {"pulseaudio"}, 300ms);
    EXPECT_EQ(device.Open(), MMSYSERR_ERROR);
    ExpectClosed(device);
    unsetenv("PULSE_SERVER");
    close(server);
}

// FluidSynth's file driver stands in for a sound card: it plays the synth in real time into
// fluidsynth.wav in the working folder.
TEST_F(FluidSynthDeviceTest, OpenDevicePlaysNotesUntilClosed) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(m_folder.Path());
    FluidSynthDevice device(Installed(), {"no-such-driver", "file"});
    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(device.Open(), MMSYSERR_ALLOCATED);
    EXPECT_EQ(device.ShortMsg(0x503C00), MMSYSERR_NOERROR);  // ignored, not an error
    EXPECT_EQ(device.ShortMsg(0x503C90), MMSYSERR_NOERROR);
    bool audible = false;
    for (int attempt = 0; attempt < 200 && !audible; ++attempt) {
        std::this_thread::sleep_for(10ms);
        std::ifstream wave("fluidsynth.wav", std::ios::binary);
        wave.seekg(44);  // past the header
        for (std::int16_t sample = 0; !audible && wave.read(reinterpret_cast<char*>(&sample), 2);) {
            audible = std::abs(sample) > 256;  // well above the dither FluidSynth adds to silence
        }
    }
    EXPECT_TRUE(audible);
    EXPECT_EQ(device.Close(), MMSYSERR_NOERROR);
    ExpectClosed(device);
    EXPECT_EQ(device.Open(), MMSYSERR_NOERROR);  // and it opens again
    std::filesystem::current_path(previous);
}

// The program's own device, as it starts on a desktop: the notes reach the speakers.
TEST_F(FluidSynthDeviceTest, SystemDevicePlaysThroughTheDesktopSoundServer) {
    const NullSinkServer server;
    if (!server.Running()) {
        GTEST_SKIP() << "PulseAudio is not installed";
    }
    const std::unique_ptr<MidiDevice> device = CreateMidiDevice("system");
    ASSERT_EQ(device->Open(), MMSYSERR_NOERROR);
    // Two seconds of what the sound server plays, as 16-bit mono.
    FILE* recording = popen(
        "parec -d canzet_sink.monitor --raw --format=s16le --channels=1 "
        "--rate=48000 | head -c 192000",
        "r");
    ASSERT_NE(recording, nullptr);
    device->ShortMsg(0x503C90);
    int peak = 0;
    for (std::int16_t sample = 0; fread(&sample, sizeof sample, 1, recording) == 1;) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    pclose(recording);
    EXPECT_GT(peak, 256);
    EXPECT_EQ(device->Close(), MMSYSERR_NOERROR);
}

}  // namespace
