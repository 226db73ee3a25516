// The microphone through a PulseAudio server of the test's own whose default source is a
// pipe the test writes a sung note into at the pace of real time: the note reaches the
// window's thread as a key timed to its onset, and a missing or vanishing server is told
// once, as a problem.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <numbers>
#include <thread>

#include "input/microphone/MicrophoneListener.h"
#include "tools/process/ChildProcess.h"

namespace {

using namespace std::chrono;

double SteadyMs() {
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// The window's thread, as far as the listener can tell: a queue the test runs.
class WindowThread {
  public:
    std::function<void(std::function<void()>)> Post() {
        return [this](std::function<void()> work) {
            std::lock_guard lock(m_mutex);
            m_work.push_back(std::move(work));
            m_wake.notify_one();
        };
    }
    // Runs what was posted until `done` holds or `ms` passed.
    void RunUntil(const std::function<bool()>& done, int ms) {
        const auto end = steady_clock::now() + milliseconds(ms);
        std::unique_lock lock(m_mutex);
        while (!done() && m_wake.wait_until(lock, end, [&] { return !m_work.empty(); })) {
            const std::function<void()> work = std::move(m_work.front());
            m_work.pop_front();
            lock.unlock();
            work();
            lock.lock();
        }
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_work;
};

class PipeSourceServer {
  public:
    PipeSourceServer() {
        std::string pattern = std::filesystem::temp_directory_path() / "canzet-mic-XXXXXX";
        m_folder = mkdtemp(pattern.data());
        m_server = std::make_unique<ChildProcess>(
            std::vector<std::string>{
                "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                "--disable-shm=yes", "--log-level=0",
                "-Lmodule-native-protocol-unix auth-anonymous=1 socket=" + m_folder + "/native",
                "-Lmodule-pipe-source source_name=canzet_mic file=" + m_folder +
                    "/mic format=float32le rate=48000 channels=1"},
            nullptr,
            std::vector<std::string>{"HOME=" + m_folder, "PULSE_RUNTIME_PATH=" + m_folder,
                                     "PATH=/usr/bin:/bin"});
        for (int i = 0; i < 100 && !std::filesystem::exists(m_folder + "/native"); ++i) {
            std::this_thread::sleep_for(milliseconds(50));
        }
        setenv("PULSE_SERVER", ("unix:" + m_folder + "/native").c_str(), 1);
    }
    ~PipeSourceServer() {
        unsetenv("PULSE_SERVER");
        m_server.reset();
        std::filesystem::remove_all(m_folder);
    }
    void Kill() const { m_server->Signal(SIGKILL); }
    std::string Pipe() const { return m_folder + "/mic"; }

  private:
    std::string m_folder;
    std::unique_ptr<ChildProcess> m_server;
};

// Silence, then key 64 for 400 ms from `noteMs`, then silence, written as it would be heard.
void Sing(const std::string& pipe, int noteMs, int totalMs, double& noteStartedMs) {
    const int fd = ::open(pipe.c_str(), O_WRONLY);
    const double hz = 440.0 * std::pow(2.0, (64 - 69) / 12.0);
    const double startMs = SteadyMs();
    std::vector<float> block(480);
    for (int n = 0, b = 0; b < totalMs / 10; ++b) {
        for (float& s : block) {
            const double t = n++ / 48000.0, ms = 1000 * t;
            const bool on = ms >= noteMs && ms < noteMs + 400;
            s = on ? static_cast<float>(0.3 * std::sin(2 * std::numbers::pi * hz * t)) : 0.0f;
        }
        if (b * 10 == noteMs) {
            noteStartedMs = SteadyMs();
        }
        if (fd >= 0 && ::write(fd, block.data(), block.size() * sizeof(float)) < 0) {
            break;
        }
        std::this_thread::sleep_until(
            steady_clock::time_point(duration_cast<steady_clock::duration>(
                duration<double, std::milli>(startMs + 10.0 * (b + 1)))));
    }
    if (fd >= 0) {
        ::close(fd);
    }
}

struct Heard {
    std::vector<input::KeyEvent> keys;
    int levels = 0;
    std::vector<input::CaptureStatus> problems;
};

input::MicrophoneSinks SinksFor(WindowThread& window, Heard& heard) {
    return {.post = window.Post(),
            .key = [&](const input::KeyEvent& e) { heard.keys.push_back(e); },
            .level = [&](const input::HeardLevel&) { ++heard.levels; },
            .problem = [&](const input::CaptureStatus& s) { heard.problems.push_back(s); }};
}

// A listener on the system's capture, what it tells kept on a window thread of its own.
struct Listening {
    WindowThread window;
    Heard heard;
    input::MicrophoneListener listener{input::MakeSystemCapture(), {}, SinksFor(window, heard)};
};

TEST(Microphone, ASungNoteIsOneKeyTimedToItsOnset) {
    PipeSourceServer server;
    Listening mic;
    ASSERT_TRUE(mic.listener.Start());
    double noteStartedMs = 0;
    std::thread singer([&] { Sing(server.Pipe(), 500, 1500, noteStartedMs); });
    mic.window.RunUntil([] { return false; }, 1700);
    singer.join();
    ASSERT_EQ(mic.heard.keys.size(), 1u);
    EXPECT_EQ(mic.heard.keys[0].key, 64);
    // The pipe's own buffering makes the onset a little late, never early.
    EXPECT_NEAR(static_cast<double>(mic.heard.keys[0].timeMs), noteStartedMs + 30, 60);
    EXPECT_GE(mic.heard.levels, 20);  // about 30 a second
    EXPECT_LE(mic.heard.levels, 55);
    EXPECT_TRUE(mic.heard.problems.empty());
}

TEST(Microphone, NoServerIsNoMicrophone) {
    setenv("PULSE_SERVER", "unix:/nonexistent/canzet-native", 1);
    Listening mic;
    EXPECT_FALSE(mic.listener.Start());
    unsetenv("PULSE_SERVER");
    mic.window.RunUntil([&] { return !mic.heard.problems.empty(); }, 1000);
    ASSERT_EQ(mic.heard.problems.size(), 1u);
    EXPECT_EQ(mic.heard.problems[0].problem, input::CaptureProblem::NoMicrophone);
}

TEST(Microphone, AServerThatGoesIsALostMicrophone) {
    PipeSourceServer server;
    Listening mic;
    ASSERT_TRUE(mic.listener.Start());
    server.Kill();
    mic.window.RunUntil([&] { return !mic.heard.problems.empty(); }, 3000);
    ASSERT_EQ(mic.heard.problems.size(), 1u);
    EXPECT_EQ(mic.heard.problems[0].problem, input::CaptureProblem::Lost);
}

}  // namespace
