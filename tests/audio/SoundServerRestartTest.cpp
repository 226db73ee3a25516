// The desktop's sound server goes away under the built-in synth and comes back: the synth
// notices, says so in one line, and is heard again by itself, with one more line.
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "midi/system/MidiDevices.h"
#include "tools/nullsink/NullSinkServer.h"
#include "tools/nullsink/SinkRecorder.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class Lines {
  public:
    void Add(const std::string& line) {
        std::lock_guard lock(m_mutex);
        m_lines.push_back(line);
    }
    // Waits until there are `count` lines, at most `bound`; the lines so far.
    std::vector<std::string> WaitFor(size_t count, std::chrono::milliseconds bound) {
        const auto deadline = Clock::now() + bound;
        while (Clock::now() < deadline) {
            {
                std::lock_guard lock(m_mutex);
                if (m_lines.size() >= count) {
                    break;
                }
            }
            std::this_thread::sleep_for(10ms);
        }
        std::lock_guard lock(m_mutex);
        return m_lines;
    }

  private:
    std::mutex m_mutex;
    std::vector<std::string> m_lines;
};

bool WaitForSound(const SinkRecorder& recorder) {
    for (int wait = 0; wait < 500 && !recorder.FirstAbove(0, 0.01F); ++wait) {
        std::this_thread::sleep_for(10ms);
    }
    return recorder.FirstAbove(0, 0.01F).has_value();
}

const std::string kPlaying = "sound: built-in synth (default-GM.sf2) on PulseAudio, 10.7 ms buffer";

TEST(SoundServerRestart, TheSynthIsHeardAgainAndEachChangeIsOneLine) {
    NullSinkServer server;
    if (!server.Running()) {
        GTEST_SKIP() << "pulseaudio could not be started";
    }
    SoundSettings settings;
    settings.route = SoundSettings::Route::Synth;
    Lines lines;
    const auto device =
        CreateSystemMidiDevice(settings, [&](const std::string& line) { lines.Add(line); });
    ASSERT_EQ(device->Open(), MMSYSERR_NOERROR);
    ASSERT_EQ(lines.WaitFor(1, 0ms), std::vector<std::string>{kPlaying});
    {
        SinkRecorder before(NullSinkServer::kMonitor);
        device->ShortMsg(0x504790);
        ASSERT_TRUE(WaitForSound(before)) << "heard before the server goes";
    }

    server.Kill();
    const auto killed = Clock::now();
    const std::vector<std::string> gone = lines.WaitFor(2, 5s);
    EXPECT_LT(Clock::now() - killed, 1s) << "noticed within a second";
    ASSERT_EQ(gone.size(), 2U);
    EXPECT_EQ(gone[1],
              "no sound: the audio output (PulseAudio) went away; trying again every second; "
              "start the desktop's sound server");

    server.Restart();
    ASSERT_TRUE(server.Running());
    SinkRecorder recorder(NullSinkServer::kMonitor);
    ASSERT_TRUE(recorder.Recording());
    // Sent at once: the synth plays it when its output is back.
    device->ShortMsg(0x504790);
    const std::vector<std::string> back = lines.WaitFor(3, 10s);
    ASSERT_EQ(back.size(), 3U);
    EXPECT_EQ(back[2], kPlaying);
    EXPECT_TRUE(WaitForSound(recorder)) << "the note is heard";
    device->Close();
    EXPECT_EQ(lines.WaitFor(4, 0ms).size(), 3U) << "and nothing more is said";
}

}  // namespace
