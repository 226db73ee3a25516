// A sustained instrument chosen with --instrument, where a user hears it: the staff dragged
// over every position in both clefs with the organ (General MIDI 20), recorded at a
// PulseAudio null sink's monitor.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "midi/system/HeldNoteOffs.h"
#include "midi/system/MidiDevices.h"
#include "staff/test/HeadlessStaff.h"
#include "tools/nullsink/NullSinkServer.h"
#include "tools/nullsink/SinkRecorder.h"

namespace {

using namespace std::chrono_literals;

constexpr float kQuiet = 0.0005F;  // -66 dBFS

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
    // The last note rings a second after the release, then dies away: a note never ended
    // would hold the organ's sound for good. How fast it dies is the soundfont's reverb.
    std::this_thread::sleep_for(HeldNoteOffs::kRingOn);
    const auto noteOff = std::chrono::steady_clock::now();
    const bool silent = recorder.WaitForQuiet(kQuiet, 200ms, 3s);
    const auto dying = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - noteOff);
    const double sweep = recorder.PeakDb(from);
    CStaffControl::SetNotesEnd(false);
    std::printf(
        "organ: held note peak %.1f dBFS, sweep peak %.1f dBFS, below -66 dBFS %lld ms after "
        "the last note-off\n",
        held, sweep, static_cast<long long>(dying.count()));
    EXPECT_GE(held, -18.0);
    EXPECT_LE(held, -10.0);
    EXPECT_LT(sweep, 0.0);
    EXPECT_TRUE(silent);
}

}  // namespace
