// A whole repaint of the staff control against the floor (copying the same bytes) and
// against the same scene drawn with Qt's raster engine.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/Fixtures.h"
#include "bench/QPainterScene.h"

namespace bench {
namespace {

void BM_StaffRepaint(benchmark::State& state) {
    StaffScene& scene = PaintScene();
    for (auto _ : state) {
        scene.Repaint();
        scene.ClearLog();
    }
}
BENCHMARK(BM_StaffRepaint);

// The same into an opaque surface, as the Qt backend presents: the top byte is written
// with each pixel, so this should take as long as the repaint above.
void BM_StaffRepaintOpaque(benchmark::State& state) {
    StaffScene& scene = OpaquePaintScene();
    for (auto _ : state) {
        scene.Repaint();
        scene.ClearLog();
    }
}
BENCHMARK(BM_StaffRepaintOpaque);

void BM_MemcpyFrame(benchmark::State& state) {
    const Surface& screen = PaintScene().Screen();
    const std::size_t bytes = screen.Pixels().size() * sizeof(std::uint32_t);
    std::vector<std::uint32_t> target(screen.Pixels().size());
    for (auto _ : state) {
        std::memcpy(target.data(), screen.Pixels().data(), bytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyFrame);

void BM_TallStaffRepaint(benchmark::State& state) {
    StaffScene& scene = TallPaintScene();
    for (auto _ : state) {
        scene.Repaint();
        scene.ClearLog();
    }
}
BENCHMARK(BM_TallStaffRepaint);

void BM_MemcpyTallFrame(benchmark::State& state) {
    const Surface& screen = TallPaintScene().Screen();
    const std::size_t bytes = screen.Pixels().size() * sizeof(std::uint32_t);
    std::vector<std::uint32_t> target(screen.Pixels().size());
    for (auto _ : state) {
        std::memcpy(target.data(), screen.Pixels().data(), bytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyTallFrame);

void BM_QPainterRepaint(benchmark::State& state) {
    static const QPainterScene scene(PaintScene().Drawings());
    QImage target = QPainterScene::MakeTarget();
    for (auto _ : state) {
        scene.Draw(target);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_QPainterRepaint);

}  // namespace
}  // namespace bench
