// How loud the program's own synthesizer is where a user hears it: played through a private
// PulseAudio server into a null sink and recorded from its monitor.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "midi/system/MidiDevices.h"
#include "staff/StaffGeometry.h"
#include "tools/nullsink/NullSinkServer.h"
#include "tools/nullsink/SinkRecorder.h"

namespace {

using namespace std::chrono_literals;

constexpr DWORD kNoteOn = 0x500090;  // channel 1, velocity 80, as the staff sends
constexpr DWORD kAllNotesOff = 0x7BB0;
constexpr float kQuiet = 0.0005F;  // -66 dBFS

DWORD NoteOn(int key) {
    return kNoteOn | static_cast<DWORD>(key) << 8;
}

class AtTheSpeaker : public testing::Test {
  protected:
    void SetUp() override {
        if (!m_server.Running()) {
            GTEST_SKIP() << "pulseaudio could not be started";
        }
        m_recorder = std::make_unique<SinkRecorder>(NullSinkServer::kMonitor);
        ASSERT_TRUE(m_recorder->Recording());
        SoundSettings settings;
        settings.route = SoundSettings::Route::Synth;
        settings.audioDriver = "pulseaudio";
        m_device = CreateSystemMidiDevice(
            settings, [this](const std::string& line) { m_lines.push_back(line); });
        ASSERT_EQ(m_device->Open(), MMSYSERR_NOERROR) << (m_lines.empty() ? "" : m_lines[0]);
        ASSERT_TRUE(m_recorder->WaitForQuiet(kQuiet, 200ms, 5s));
    }
    void TearDown() override {
        if (m_device != nullptr) {
            m_device->Close();
        }
    }

    // The peak of what the keys sound, struck `apart` from each other, in dBFS.
    double PeakOf(const std::vector<int>& keys, std::chrono::milliseconds apart) {
        const size_t from = m_recorder->SampleCount();
        for (const int key : keys) {
            m_device->ShortMsg(NoteOn(key));
            std::this_thread::sleep_for(apart);
        }
        std::this_thread::sleep_for(1500ms);
        const double peak = m_recorder->PeakDb(from);
        m_device->ShortMsg(kAllNotesOff);
        m_recorder->WaitForQuiet(kQuiet, 200ms, 5s);
        return peak;
    }

    NullSinkServer m_server;
    std::unique_ptr<SinkRecorder> m_recorder;
    std::unique_ptr<MidiDevice> m_device;
    std::vector<std::string> m_lines;
};

TEST_F(AtTheSpeaker, OneNoteIsClearlyHeardAndAFastDragNeverReachesFullScale) {
    const double one = PeakOf({71}, 0ms);
    // A drag over all thirteen positions, top to bottom, a move every 5 ms.
    const double thirteen =
        PeakOf(std::vector<int>(std::begin(staff::kTrebleKeys), std::end(staff::kTrebleKeys)), 5ms);
    std::printf("peak of one note (key 71): %.1f dBFS; of thirteen: %.1f dBFS\n", one, thirteen);
    EXPECT_GE(one, -18.0);
    EXPECT_LE(one, -10.0);
    EXPECT_LT(thirteen, 0.0);
}

}  // namespace
