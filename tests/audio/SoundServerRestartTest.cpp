// The desktop's sound server is not there when the program starts, comes, goes away under
// the built-in synth and comes back: the synth is heard each time the server is there, the
// notes played while it was not are not (no burst of stale notes when it comes), and each
// change is one line.
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "SoundLineWordsIn.h"
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

constexpr DWORD kNoteOn = 0x504790;  // key 71, velocity 80, channel 1

// A fast drag over the staff while nothing renders.
void DragWithoutOutput(MidiDevice& device) {
    for (DWORD key = 64; key < 77; ++key) {
        device.ShortMsg(0x500090 | key << 8);
    }
}

// Once the output is back: half a second of silence at the sink, whatever was played while
// it was gone, then a new note heard at once.
void ExpectSilenceThenTheNewNote(MidiDevice& device, const SinkRecorder& recorder) {
    for (int wait = 0; wait < 500 && recorder.SampleCount() < SinkRecorder::kRate / 2; ++wait) {
        std::this_thread::sleep_for(10ms);
    }
    const size_t sent = recorder.SampleCount();
    ASSERT_GE(sent, size_t{SinkRecorder::kRate / 2}) << "the sink plays";
    EXPECT_FALSE(recorder.FirstAbove(0, 0.01F).has_value()) << "no stale note sounds";
    const auto start = Clock::now();
    device.ShortMsg(kNoteOn);
    ASSERT_TRUE(WaitForSound(recorder)) << "the new note is heard";
    EXPECT_LT(recorder.TimeOf(*recorder.FirstAbove(sent, 0.01F)) - start, 300ms) << "at once";
}

// The lines, in the language they are said in.
struct RestartLines {
    Language language;
    std::string refused;  // how the first line starts
    std::string playing;
    std::string lost;
};

class SoundServerRestart : public testing::TestWithParam<RestartLines> {};

TEST_P(SoundServerRestart, TheSynthIsHeardWheneverTheServerIsThereAndEachChangeIsOneLine) {
    const RestartLines& said = GetParam();
    NullSinkServer server;
    if (!server.Running()) {
        GTEST_SKIP() << "pulseaudio could not be started";
    }
    server.Kill();
    SoundSettings settings;
    settings.route = SoundSettings::Route::Synth;
    settings.words = SoundLineWordsIn(said.language);
    Lines lines;
    const auto device =
        CreateSystemMidiDevice(settings, [&](const std::string& line) { lines.Add(line); });
    ASSERT_EQ(device->Open(), MMSYSERR_NOERROR) << "waiting for a server is no failure";
    const std::vector<std::string> first = lines.WaitFor(1, 0ms);
    ASSERT_EQ(first.size(), 1U);
    EXPECT_TRUE(first[0].starts_with(said.refused)) << first[0];
    DragWithoutOutput(*device);

    server.Restart();
    {
        SinkRecorder before(NullSinkServer::kMonitor);
        EXPECT_EQ(lines.WaitFor(2, 10s).back(), said.playing);
        ExpectSilenceThenTheNewNote(*device, before);
    }

    server.Kill();
    const auto killed = Clock::now();
    const std::vector<std::string> gone = lines.WaitFor(3, 5s);
    EXPECT_LT(Clock::now() - killed, 1s) << "noticed within a second";
    ASSERT_EQ(gone.size(), 3U);
    EXPECT_EQ(gone[2], said.lost);
    DragWithoutOutput(*device);

    server.Restart();
    ASSERT_TRUE(server.Running());
    SinkRecorder recorder(NullSinkServer::kMonitor);
    ASSERT_TRUE(recorder.Recording());
    const std::vector<std::string> back = lines.WaitFor(4, 10s);
    ASSERT_EQ(back.size(), 4U);
    EXPECT_EQ(back[3], said.playing);
    ExpectSilenceThenTheNewNote(*device, recorder);
    device->Close();
    EXPECT_EQ(lines.WaitFor(5, 0ms).size(), 4U) << "and nothing more is said";
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SoundServerRestart,
    testing::Values(
        RestartLines{Language::English, "no sound: no audio output (PulseAudio: connection refused",
                     "sound: built-in synth (default-GM.sf2) on PulseAudio, 10.7 ms buffer",
                     "no sound: the audio output (PulseAudio) went away; trying again every "
                     "second; start the desktop's sound server"},
        RestartLines{
            Language::Chinese, "没有声音：没有音频输出（PulseAudio: connection refused",
            "声音：内置合成器（default-GM.sf2），经 PulseAudio 输出，缓冲 10.7 ms",
            "没有声音：音频输出（PulseAudio）已断开；每秒重试一次；启动桌面的声音服务器"}));

}  // namespace
