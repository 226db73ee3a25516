// The real program under a virtual X server, with its sound going to a PulseAudio null sink:
// a note dragged with xdotool is heard at the pitches of the lines it crosses, a fast drag
// over the whole staff stays short of full scale, and the program says in one line where
// its notes go, with nothing of the libraries' own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "PitchEstimator.h"
#include "tools/nullsink/NullSinkServer.h"
#include "tools/nullsink/SinkRecorder.h"
#include "tools/process/ChildProcess.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int kRate = SinkRecorder::kRate;
constexpr float kHeard = 0.01F;
constexpr float kQuiet = 0.0005F;  // -66 dBFS

std::string Shell(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        pclose(pipe);
    }
    while (!output.empty() && output.back() == '\n') {
        output.pop_back();
    }
    return output;
}

class DragAtTheSpeaker : public testing::Test {
  protected:
    void SetUp() override {
        if (!m_server.Running()) {
            GTEST_SKIP() << "pulseaudio could not be started";
        }
        if (!fs::exists("/usr/share/sounds/sf2/default-GM.sf2")) {
            GTEST_SKIP() << "no General MIDI soundfont installed";
        }
        // Xvfb picks a free display and writes its number to the pipe.
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        m_xvfb = std::make_unique<ChildProcess>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                     "1024x768x24", "-nolisten", "tcp"});
        close(fds[1]);
        char number[16] = {};
        ASSERT_GT(read(fds[0], number, sizeof number - 1), 0) << "Xvfb did not start";
        close(fds[0]);
        setenv("DISPLAY", (":" + std::to_string(std::atoi(number))).c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("LC_ALL", "C.UTF-8", 1);

        m_recorder = std::make_unique<SinkRecorder>(NullSinkServer::kMonitor);
        ASSERT_TRUE(m_recorder->Recording());

        m_log = fs::temp_directory_path() / ("canzet-drag-" + std::to_string(getpid()) + ".log");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, m_log.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        m_program =
            std::make_unique<ChildProcess>(std::vector<std::string>{CANZET_PROGRAM}, &actions);
        posix_spawn_file_actions_destroy(&actions);
        ASSERT_TRUE(m_program->Started());
        const std::string window =
            Shell("timeout 30 xdotool search --sync --onlyvisible --name '五线谱Demo' | head -1");
        ASSERT_FALSE(window.empty()) << "the main dialog did not show";
        // The dialog is shown first and centred after: its place counts once two readings
        // agree.
        std::string place =
            Shell("xdotool getwindowgeometry --shell " + window + " | grep '^[XY]='");
        for (int wait = 0; wait < 50; ++wait) {
            std::this_thread::sleep_for(100ms);
            const std::string again =
                Shell("xdotool getwindowgeometry --shell " + window + " | grep '^[XY]='");
            if (again == place) {
                break;
            }
            place = again;
        }
        std::istringstream geometry(place);
        std::string line;
        while (std::getline(geometry, line)) {
            (line[0] == 'X' ? m_staffX : m_staffY) = std::stoi(line.substr(2));
        }
        m_staffX += 10;  // the staff control's place in the dialog
        m_staffY += 40;
        // The sound is set up once the program has said where its notes go, and the
        // synthesizer has gone quiet after opening.
        bool said = false;
        for (int wait = 0; wait < 100 && !said; ++wait) {
            std::this_thread::sleep_for(100ms);
            said = ProgramLog().find("canzet:") != std::string::npos;
        }
        ASSERT_TRUE(said) << "the program did not say where its notes go: " << ProgramLog();
        ASSERT_TRUE(m_recorder->WaitForQuiet(kQuiet, 200ms, 5s));
    }
    void TearDown() override {
        m_program.reset();
        if (!m_log.empty()) {
            fs::remove(m_log);
        }
        unsetenv("DISPLAY");
    }

    void Pointer(const std::string& action, int x, int y) {
        Shell("xdotool mousemove " + std::to_string(m_staffX + x) + " " +
              std::to_string(m_staffY + y) + " " + action);
    }

    // The pitch of a note struck when the recording held `from` samples and held for a second
    // and a half: measured from 150 ms past its onset (where the sound rises to twice what
    // still rang of the note before), past the attack, over eight windows of the half second
    // after. The median: a dropout of a loaded machine spoils a window, not the note, and a
    // late onset still leaves windows to measure. Null, with why in `m_unheard`, if nothing
    // new was heard within 700 ms.
    std::optional<double> PitchOfTheNoteHeldFrom(size_t from) {
        constexpr size_t kWindow = kRate / 8;
        constexpr size_t kStep = kRate / 16;
        constexpr size_t kWindows = 8;
        for (int wait = 0; wait < 50 && m_recorder->SampleCount() < from + kRate * 3 / 2; ++wait) {
            std::this_thread::sleep_for(100ms);
        }
        const std::vector<float> samples = m_recorder->Samples();
        float ringing = 0.0F;
        for (size_t i = from - std::min(from, size_t{kRate / 20}); i < from; ++i) {
            ringing = std::max(ringing, std::abs(samples[i]));
        }
        const float rise = std::max(kHeard, 2 * ringing);
        size_t onset = from;
        while (onset < samples.size() && std::abs(samples[onset]) < rise) {
            ++onset;
        }
        const size_t start = onset + kRate * 15 / 100;
        m_unheard = "what rang before peaked at " + std::to_string(ringing) + ", the onset came " +
                    std::to_string((onset - from) * 1000 / kRate) + " ms in, of " +
                    std::to_string((samples.size() - from) * 1000 / kRate) + " ms recorded";
        if (onset >= from + kRate * 7 / 10 ||
            samples.size() < start + (kWindows - 1) * kStep + kWindow) {
            return std::nullopt;
        }
        // What rang before still sounds under the new note, which a strict dip reads as no
        // single pitch; a looser one still finds nothing but the note's own period.
        const PitchSearch search{kRate, 60.0, 1200.0, 4096, 0.35};
        std::vector<double> found;
        for (size_t window = 0; window < kWindows; ++window) {
            if (auto hz = EstimatePitch(
                    std::span<const float>(samples).subspan(start + window * kStep, kWindow),
                    search)) {
                found.push_back(*hz);
            }
        }
        m_unheard += ", " + std::to_string(found.size()) + " of " + std::to_string(kWindows) +
                     " windows with a pitch";
        if (found.size() < 3) {
            return std::nullopt;
        }
        std::sort(found.begin(), found.end());
        return found[found.size() / 2];
    }

    std::string ProgramLog() {
        std::ifstream file(m_log);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    NullSinkServer m_server;
    std::unique_ptr<ChildProcess> m_xvfb;
    std::unique_ptr<SinkRecorder> m_recorder;
    std::unique_ptr<ChildProcess> m_program;
    fs::path m_log;
    std::string m_unheard;
    int m_staffX = 0;
    int m_staffY = 0;
};

TEST_F(DragAtTheSpeaker, SoundsTheLinesCrossedAndStaysShortOfFullScale) {
    // Press on the middle line, drag up to y 60 (key 76), then down to y 102 (key 65).
    Pointer("mousedown 1", 300, 81);
    const size_t beforeHigh = m_recorder->SampleCount();
    Pointer("", 300, 60);
    std::this_thread::sleep_for(1500ms);
    const size_t beforeLow = m_recorder->SampleCount();
    Pointer("", 300, 102);
    std::this_thread::sleep_for(1500ms);
    Pointer("mouseup 1", 300, 102);
    const struct {
        size_t from;
        double hz;
    } heard[] = {{beforeHigh, 659.26}, {beforeLow, 349.23}};
    for (const auto& note : heard) {
        const auto hz = PitchOfTheNoteHeldFrom(note.from);
        ASSERT_TRUE(hz.has_value()) << note.hz << " Hz was not heard: " << m_unheard;
        EXPECT_NEAR(Cents(*hz, note.hz), 0.0, kSoundfontTuningCents) << note.hz;
    }

    // A fast drag over all thirteen positions, bottom to top and back, once all is quiet.
    ASSERT_TRUE(m_recorder->WaitForQuiet(kQuiet, 200ms, 10s));
    const size_t beforeFast = m_recorder->SampleCount();
    Pointer("mousedown 1", 300, 102);
    for (int y = 123; y >= 39; y -= 7) {
        Pointer("", 300, y);
    }
    Pointer("mouseup 1", 300, 39);
    std::this_thread::sleep_for(1500ms);
    const double peak = m_recorder->PeakDb(beforeFast);
    std::printf("peak of a fast drag over the staff: %.1f dBFS\n", peak);
    EXPECT_LT(peak, 0.0);

    const std::string log = ProgramLog();
    // The program speaks Chinese, its own language, where the locale names none.
    EXPECT_NE(log.find("canzet: 声音：内置合成器（default-GM.sf2），经 PulseAudio 输出"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("ALSA lib"), std::string::npos) << log;
    EXPECT_EQ(log.find("fluidsynth:"), std::string::npos) << log;
}

}  // namespace
