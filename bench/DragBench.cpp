// Mouse moves during a drag, with and without a new pitch, and one note-on alone.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/Fixtures.h"

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

// Rows 76 and 86 lie on the middle line (line offset 0); row 88 is the space below it.
constexpr int kMiddleLineRows[2] = {76, 86};
constexpr int kSpaceBelowRow = 88;
constexpr int kLogClearInterval = 1024;

void BM_MoveWithinLine(benchmark::State& state) {
    StaffScene& scene = DragScene();
    scene.Mouse(WM_MOUSEMOVE, 300, kMiddleLineRows[0]);
    int i = 0;
    for (auto _ : state) {
        const int side = i & 1;
        scene.Mouse(WM_MOUSEMOVE, 300 + side, kMiddleLineRows[side]);
        if (++i % kLogClearInterval == 0) {
            scene.ClearLog();
        }
    }
    scene.ClearLog();
}
BENCHMARK(BM_MoveWithinLine);

// Timed one call at a time, so that the synthesizer's upkeep stays out of the figure.
void BM_MoveToNewLine(benchmark::State& state) {
    StaffScene& scene = DragScene();
    SoundTarget& sound = Sound();
    int i = 0;
    for (auto _ : state) {
        const int y = (i++ & 1) != 0 ? kSpaceBelowRow : kMiddleLineRows[0];
        const auto start = Clock::now();
        scene.Mouse(WM_MOUSEMOVE, 300, y);
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        scene.ClearLog();
        sound.AfterNote();
    }
}
BENCHMARK(BM_MoveToNewLine)->UseManualTime()->Iterations(kTimedNotes);

void BM_PlayNote(benchmark::State& state) {
    CStaffControl& staff = DragScene().Staff();
    SoundTarget& sound = Sound();
    int i = 0;
    for (auto _ : state) {
        const int key = (i++ & 1) != 0 ? 69 : 71;
        const auto start = Clock::now();
        staff.PlayNote(key);
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        sound.AfterNote();
    }
}
BENCHMARK(BM_PlayNote)->UseManualTime()->Iterations(kTimedNotes);

}  // namespace
}  // namespace bench
