// A sustained instrument chosen with --instrument, where a user hears it: the staff dragged
// over every position in both clefs with the organ (General MIDI 20), recorded at a
// PulseAudio null sink's monitor.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

#include "midi/system/HeldNoteOffs.h"
#include "midi/system/MidiDevices.h"
#include "staff/test/HeadlessStaff.h"
#include "tools/nullsink/NullSinkServer.h"
#include "tools/nullsink/SinkRecorder.h"

namespace {

using namespace std::chrono_literals;

constexpr float kQuiet = 0.0005F;  // -66 dBFS

double RmsDb(const std::vector<float>& samples, size_t from) {
    double sum = 0;
    for (size_t i = from; i < samples.size(); ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    const double mean = sum / static_cast<double>(std::max<size_t>(samples.size() - from, 1));
    return 10 * std::log10(std::max(mean, 1e-20));
}

TEST(ChosenInstrument, AnOrganNoteIsHeardAndASweepNeverClipsAndEndsInSilence) {
    const NullSinkServer server;
    if (!server.Running()) {
        GTEST_SKIP() << "pulseaudio could not be started";
    }
    SinkRecorder recorder(NullSinkServer::kMonitor);
    ASSERT_TRUE(recorder.Recording());
    SoundSettings settings;
    settings.route = SoundSettings::Route::Synth;
    settings.audioDriver = "pulseaudio";
    settings.instrument = 20;
    const auto device = CreateSystemMidiDevice(settings, {});
    CStaffControl::SetNotesEnd(true);
    HeadlessStaff rig(device.get());
    rig.Staff().SetClef(true);
    ASSERT_TRUE(rig.Staff().InitMidi());
    ASSERT_TRUE(recorder.WaitForQuiet(kQuiet, 200ms, 5s));

    // One note held: the middle line of the treble staff, B4.
    size_t from = recorder.SampleCount();
    rig.Down(300, 88);
    rig.Move(300, 81);
    std::this_thread::sleep_for(1500ms);
    const double held = recorder.PeakDb(from);
    rig.Up(300, 81);
    ASSERT_TRUE(recorder.WaitForQuiet(kQuiet, 200ms, 5s));

    // The note picked up and taken over all thirteen positions and back, a move every
    // 30 ms, in each clef.
    from = recorder.SampleCount();
    for (const bool treble : {true, false}) {
        rig.Staff().SetClef(treble);
        rig.Down(300, 81);
        for (const int y : {88, 95, 102, 109, 116, 123, 116, 109, 102, 95, 88, 81,
                            74, 67, 60,  53,  46,  39,  46,  53,  60,  67, 74, 81}) {
            rig.Move(300, y);
            std::this_thread::sleep_for(30ms);
        }
        rig.Up(300, 81);
    }
    // The last note rings a second after the release, then dies away.
    std::this_thread::sleep_for(HeldNoteOffs::kRingOn + 1s);
    const double sweep = recorder.PeakDb(from);
    const size_t tail = recorder.SampleCount();
    std::this_thread::sleep_for(500ms);
    const double after = RmsDb(recorder.Samples(), tail);
    CStaffControl::SetNotesEnd(false);
    std::printf(
        "organ: held note peak %.1f dBFS, sweep peak %.1f dBFS, RMS 1 s after the last "
        "note-off %.1f dBFS\n",
        held, sweep, after);
    EXPECT_GE(held, -18.0);
    EXPECT_LE(held, -10.0);
    EXPECT_LT(sweep, 0.0);
    EXPECT_LT(after, -60.0);
}

}  // namespace
