#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "TempFiles.h"
#include "UnresponsiveSoundServer.h"
#include "midi/fluidsynth/FluidSynthDevice.h"

namespace {

using namespace std::chrono_literals;

const std::string& Installed() {
    return audio_settings::kDefaultSoundfont;
}

class FluidSynthDeviceTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(Installed())) {
            GTEST_SKIP() << "no General MIDI soundfont installed";
        }
    }
    TempFolder m_folder;
};

TEST_F(FluidSynthDeviceTest, ExistsWhenTheSoundfontIsInstalled) {
    FluidSynthDevice device;
    MIDIOUTCAPSA caps{};
    EXPECT_EQ(device.GetCaps(caps), MMSYSERR_NOERROR);
    EXPECT_STREQ(caps.szPname, "FluidSynth");
}

TEST_F(FluidSynthDeviceTest, MissingOrTruncatedSoundfontFailsBothCapsAndOpen) {
    const std::string soundfonts[] = {
        m_folder.Path("missing.sf2").string(),
        m_folder.CopyPrefix(Installed(), 4096, "truncated.sf2"),
    };
    for (const std::string& soundfont : soundfonts) {
        FluidSynthDevice device(soundfont, {"file"});
        MIDIOUTCAPSA caps{};
        EXPECT_NE(device.GetCaps(caps), MMSYSERR_NOERROR) << soundfont;
        EXPECT_NE(device.Open(), MMSYSERR_NOERROR) << soundfont;
        // Nothing was left open.
        EXPECT_EQ(device.ShortMsg(0x503C90), MMSYSERR_INVALHANDLE) << soundfont;
        EXPECT_EQ(device.Close(), MMSYSERR_INVALHANDLE) << soundfont;
    }
}

TEST_F(FluidSynthDeviceTest, NoAudioDriverThatOpensMeansNoOpenDevice) {
    FluidSynthDevice device(Installed(), {"no-such-driver", "another-missing-driver"});
    EXPECT_NE(device.Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(device.ShortMsg(0x503C90), MMSYSERR_INVALHANDLE);
    // Released, not half-open: a second attempt is a fresh try, not "already open".
    EXPECT_EQ(device.Open(), MMSYSERR_ERROR);
}

TEST_F(FluidSynthDeviceTest, HungSoundServerCannotHoldOpenPastItsBound) {
    const UnresponsiveSoundServer server(m_folder.Path("pulse").string());
    ASSERT_TRUE(server.Listening());
    FluidSynthDevice device(Installed(), {"pulseaudio"}, 300ms);
    EXPECT_NE(device.Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(device.ShortMsg(0x503C90), MMSYSERR_INVALHANDLE);
}

// FluidSynth's file driver stands in for a sound card: it plays the synth in real time into
// fluidsynth.wav in the working folder.
class FluidSynthFileOutputTest : public FluidSynthDeviceTest {
  protected:
    void SetUp() override {
        FluidSynthDeviceTest::SetUp();
        m_previous = std::filesystem::current_path();
        std::filesystem::current_path(m_folder.Path(""));
    }
    void TearDown() override {
        if (!m_previous.empty()) {
            std::filesystem::current_path(m_previous);
        }
    }
    // Well above the dither FluidSynth adds to silence.
    bool OutputBecomesAudible() const {
        for (int attempt = 0; attempt < 500; ++attempt) {
            std::ifstream wave(m_folder.Path("fluidsynth.wav"), std::ios::binary);
            wave.seekg(kWaveHeaderSize);
            std::int16_t sample = 0;
            while (wave.read(reinterpret_cast<char*>(&sample), sizeof sample)) {
                if (std::abs(sample) > 256) {
                    return true;
                }
            }
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }
    static constexpr int kWaveHeaderSize = 44;
    std::filesystem::path m_previous;
};

TEST_F(FluidSynthFileOutputTest, OpenDevicePlaysNotesUntilClosed) {
    FluidSynthDevice device(Installed(), {"no-such-driver", "file"});
    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(device.Open(), MMSYSERR_ALLOCATED);
    EXPECT_EQ(device.ShortMsg(0x503C00), MMSYSERR_NOERROR);  // ignored, not an error
    EXPECT_EQ(device.ShortMsg(0x503C90), MMSYSERR_NOERROR);
    EXPECT_TRUE(OutputBecomesAudible());
    EXPECT_EQ(device.Close(), MMSYSERR_NOERROR);
    EXPECT_EQ(device.ShortMsg(0x503C90), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(device.Close(), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(device.Open(), MMSYSERR_NOERROR);  // and it opens again
}

}  // namespace
