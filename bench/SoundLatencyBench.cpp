// How long a note takes to be heard: from the note-on leaving PlayNote (midiOutShortMsg on
// the program's own MIDI device) to its first sample above a threshold at the monitor of a
// PulseAudio null sink. The same for the fluidsynth program with its default settings (on
// PulseAudio) and the same soundfont, sent "noteon 0 71 80" on its shell. Then how long the
// program's device takes to be heard again when the sound server restarts: from the new
// server accepting connections to the first sample of a note sent at that moment. Prints
// facts for bench/run:
//     canzet_bench_sound [NOTES]
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "midi/MidiMapper.h"
#include "midi/MidiOut.h"
#include "midi/system/MidiDevices.h"
#include "tools/nullsink/NullSinkServer.h"
#include "tools/nullsink/SinkRecorder.h"
#include "tools/process/ChildProcess.h"

namespace {

using namespace std::chrono_literals;
using Clock = SinkRecorder::Clock;

constexpr float kHeard = 0.01F;      // -40 dBFS: the note has begun
constexpr float kQuiet = 0.0003F;    // -70 dBFS: the last one has died away
constexpr DWORD kNoteOn = 0x504790;  // key 71, velocity 80, channel 1
constexpr DWORD kNoteOff = 0x004780;

struct Figures {
    double median = 0;
    double p95 = 0;
};

Figures Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    if (values.empty()) {
        return {};
    }
    // Nearest rank: the smallest value with at least `fraction` of them at or below it.
    const auto at = [&](double fraction) {
        const auto rank = static_cast<size_t>(std::ceil(fraction * values.size()));
        return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
    };
    return {values.size() % 2 == 1
                ? values[values.size() / 2]
                : (values[values.size() / 2 - 1] + values[values.size() / 2]) / 2,
            at(0.95)};
}

// Plays `notes` notes, one after the other once the last has died away: `start` sends the
// note-on, `stop` ends it. Returns the milliseconds from each `start` to its first heard
// sample; the first note, which also wakes the stream up, is left out.
std::vector<double> Measure(SinkRecorder& recorder, int notes, const std::function<void()>& start,
                            const std::function<void()>& stop) {
    std::vector<double> latencies;
    for (int i = 0; i <= notes; ++i) {
        stop();
        if (!recorder.WaitForQuiet(kQuiet, 150ms, 10s)) {
            std::fprintf(stderr, "the sink did not fall quiet (%.1f dBFS)\n",
                         recorder.PeakDb(recorder.SampleCount() - SinkRecorder::kRate / 10));
            break;
        }
        const size_t from = recorder.SampleCount();
        const Clock::time_point sent = Clock::now();
        start();
        std::optional<size_t> heard;
        for (const Clock::time_point giveUp = sent + 5s; !heard && Clock::now() < giveUp;) {
            std::this_thread::sleep_for(1ms);
            heard = recorder.FirstAbove(from, kHeard);
        }
        if (!heard) {
            std::fprintf(stderr, "note %d was not heard (%.1f dBFS)\n", i, recorder.PeakDb(from));
            continue;
        }
        if (i > 0) {
            latencies.push_back(
                std::chrono::duration<double, std::milli>(recorder.TimeOf(*heard) - sent).count());
        }
    }
    stop();
    return latencies;
}

// The fluidsynth program, its shell fed through a pipe.
class FluidSynthProgram {
  public:
    explicit FluidSynthProgram(const std::string& soundfont) {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[0], STDIN_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[1]);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        m_program = std::make_unique<ChildProcess>(
            std::vector<std::string>{"fluidsynth", "-a", "pulseaudio", soundfont}, &actions);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[0]);
        m_shell = fds[1];
    }
    ~FluidSynthProgram() {
        // A program that never started has no reader on the pipe: a write would be SIGPIPE.
        if (Started()) {
            Say("quit");
        }
        close(m_shell);
    }

    bool Started() const { return m_program != nullptr && m_program->Started(); }
    void Say(const std::string& command) {
        const std::string line = command + "\n";
        (void)!write(m_shell, line.data(), line.size());
    }

  private:
    std::unique_ptr<ChildProcess> m_program;
    int m_shell = -1;
};

struct Reconnects {
    std::vector<double> heard;     // from the restart to the first heard sample
    std::vector<double> reopened;  // from the restart to the line that says it plays
};

// Kills and restarts the server under the open device `runs` times; the milliseconds from
// each restart to the first heard sample of a note sent as the server came back.
Reconnects MeasureReconnects(NullSinkServer& server, int runs) {
    std::atomic<int> losses = 0;
    std::atomic<Clock::rep> playing = 0;
    auto device = CreateSystemMidiDevice(SoundSettings{}, [&](const std::string& line) {
        losses += line.starts_with("no sound") ? 1 : 0;
        if (line.starts_with("sound:")) {
            playing = Clock::now().time_since_epoch().count();
        }
    });
    SetMidiMapperDevice(device.get());
    HMIDIOUT out = nullptr;
    Reconnects times;
    if (midiOutOpen(&out, MIDI_MAPPER, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        return times;
    }
    for (int run = 0; run < runs; ++run) {
        {
            // Heard first, so that the output is running when the server goes.
            SinkRecorder playing(NullSinkServer::kMonitor);
            midiOutShortMsg(out, kNoteOn);
            for (int wait = 0; wait < 1000 && !playing.FirstAbove(0, kHeard); ++wait) {
                std::this_thread::sleep_for(10ms);
            }
            midiOutShortMsg(out, kNoteOff);
        }
        const int lost = losses + 1;
        server.Kill();
        for (int wait = 0; wait < 1000 && losses < lost; ++wait) {
            std::this_thread::sleep_for(10ms);
        }
        server.Restart();
        const Clock::time_point accepting = Clock::now();
        SinkRecorder recorder(NullSinkServer::kMonitor);
        midiOutShortMsg(out, kNoteOn);
        std::optional<size_t> heard;
        for (const Clock::time_point giveUp = accepting + 15s; !heard && Clock::now() < giveUp;) {
            std::this_thread::sleep_for(1ms);
            heard = recorder.FirstAbove(0, kHeard);
        }
        midiOutShortMsg(out, kNoteOff);
        if (!heard) {
            std::fprintf(stderr, "not heard after restart %d\n", run);
            continue;
        }
        const auto since = [&](Clock::time_point then) {
            return std::chrono::duration<double, std::milli>(then - accepting).count();
        };
        times.heard.push_back(since(recorder.TimeOf(*heard)));
        times.reopened.push_back(since(Clock::time_point(Clock::duration(playing.load()))));
    }
    midiOutClose(out);
    SetMidiMapperDevice(nullptr);
    return times;
}

void Print(const char* name, const Figures& figures, size_t count) {
    std::printf("fact %s_median=%.1f\nfact %s_p95=%.1f\nfact %s_notes=%zu\n", name, figures.median,
                name, figures.p95, name, count);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int notes = argc > 1 ? std::max(20, std::atoi(argv[1])) : 20;
    NullSinkServer server;
    if (!server.Running()) {
        std::fprintf(stderr, "pulseaudio could not be started\n");
        return 1;
    }
    SinkRecorder recorder(NullSinkServer::kMonitor);
    if (!recorder.Recording()) {
        std::fprintf(stderr, "the null sink's monitor could not be recorded\n");
        return 1;
    }
    const SoundSettings settings;

    std::vector<double> ours;
    {
        auto device = CreateSystemMidiDevice(settings, [](const std::string& line) {
            std::fprintf(stderr, "canzet: %s\n", line.c_str());
        });
        SetMidiMapperDevice(device.get());
        HMIDIOUT out = nullptr;
        if (midiOutOpen(&out, MIDI_MAPPER, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
            std::fprintf(stderr, "the program's MIDI device did not open\n");
            return 1;
        }
        ours = Measure(
            recorder, notes, [&] { midiOutShortMsg(out, kNoteOn); },
            [&] { midiOutShortMsg(out, kNoteOff); });
        midiOutClose(out);
        SetMidiMapperDevice(nullptr);
    }

    std::vector<double> peer;
    {
        FluidSynthProgram fluidsynth(settings.soundfont);
        if (!fluidsynth.Started()) {
            std::fprintf(stderr, "the fluidsynth program could not be started\n");
            return 1;
        }
        std::this_thread::sleep_for(3s);  // loading the soundfont, connecting to the server
        peer = Measure(
            recorder, notes, [&] { fluidsynth.Say("noteon 0 71 80"); },
            [&] { fluidsynth.Say("noteoff 0 71"); });
    }

    const Reconnects reconnects = MeasureReconnects(server, 5);
    const std::vector<double>& heard = reconnects.heard;
    std::printf(
        "fact reconnect_ms=%.0f\nfact reconnect_max_ms=%.0f\nfact reconnect_runs=%zu\n"
        "fact reconnect_reopened_ms=%.0f\n",
        Summarise(heard).median,
        heard.empty() ? 0.0 : *std::max_element(heard.begin(), heard.end()), heard.size(),
        Summarise(reconnects.reopened).median);

    const Figures own = Summarise(ours);
    const Figures other = Summarise(peer);
    Print("input_to_sound_ms", own, ours.size());
    Print("fluidsynth_input_to_sound_ms", other, peer.size());
    std::printf("fact sound_vs_fluidsynth=%.2f\n",
                other.median > 0 ? own.median / other.median : 0);
    return ours.size() >= 20 && peer.size() >= 20 ? 0 : 1;
}
