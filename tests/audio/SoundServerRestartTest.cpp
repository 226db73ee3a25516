// The desktop's sound server is not there when the program starts, comes, goes away under
// the built-in synth and comes back: the synth is heard each time the server is there, and
// each change is one line.
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

TEST(SoundServerRestart, TheSynthIsHeardWheneverTheServerIsThereAndEachChangeIsOneLine) {
    NullSinkServer server;
    if (!server.Running()) {
        GTEST_SKIP() << "pulseaudio could not be started";
    }
    server.Kill();
    SoundSettings settings;
    settings.route = SoundSettings::Route::Synth;
    Lines lines;
    const auto device =
        CreateSystemMidiDevice(settings, [&](const std::string& line) { lines.Add(line); });
    ASSERT_EQ(device->Open(), MMSYSERR_NOERROR) << "waiting for a server is no failure";
    const std::vector<std::string> first = lines.WaitFor(1, 0ms);
    ASSERT_EQ(first.size(), 1U);
    EXPECT_TRUE(first[0].starts_with("no sound: no audio output (PulseAudio: connection refused"))
        << first[0];

    server.Restart();
    EXPECT_EQ(lines.WaitFor(2, 10s).back(), kPlaying);
    {
        SinkRecorder before(NullSinkServer::kMonitor);
        device->ShortMsg(0x504790);
        ASSERT_TRUE(WaitForSound(before)) << "heard before the server goes";
    }

    server.Kill();
    const auto killed = Clock::now();
    const std::vector<std::string> gone = lines.WaitFor(3, 5s);
    EXPECT_LT(Clock::now() - killed, 1s) << "noticed within a second";
    ASSERT_EQ(gone.size(), 3U);
    EXPECT_EQ(gone[2],
              "no sound: the audio output (PulseAudio) went away; trying again every second; "
              "start the desktop's sound server");

    server.Restart();
    ASSERT_TRUE(server.Running());
    SinkRecorder recorder(NullSinkServer::kMonitor);
    ASSERT_TRUE(recorder.Recording());
    // Sent at once: the synth plays it when its output is back.
    device->ShortMsg(0x504790);
    const std::vector<std::string> back = lines.WaitFor(4, 10s);
    ASSERT_EQ(back.size(), 4U);
    EXPECT_EQ(back[3], kPlaying);
    EXPECT_TRUE(WaitForSound(recorder)) << "the note is heard";
    device->Close();
    EXPECT_EQ(lines.WaitFor(5, 0ms).size(), 4U) << "and nothing more is said";
}

}  // namespace
