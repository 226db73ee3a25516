// A whole repaint of the staff control against the floor (copying the same bytes) and
// against the same scene drawn with Qt's raster engine.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/Fixtures.h"
#include "bench/QPainterScene.h"

namespace bench {
namespace {

void Repaint(benchmark::State& state, StaffScene& scene) {
    for (auto _ : state) {
        scene.Repaint();
        scene.ClearLog();
    }
}

void CopyFrame(benchmark::State& state, StaffScene& scene) {
    const Surface& screen = scene.Screen();
    const std::size_t bytes = screen.Pixels().size() * sizeof(std::uint32_t);
    std::vector<std::uint32_t> target(screen.Pixels().size());
    for (auto _ : state) {
        std::memcpy(target.data(), screen.Pixels().data(), bytes);
        benchmark::ClobberMemory();
    }
}

struct SceneBench {
    const char* name;
    void (*run)(benchmark::State&, StaffScene&);
    StaffScene& (*scene)();
};

// The opaque surface is what the Qt backend presents: the top byte is written with each
// pixel, so its repaint should take as long as the first.
constexpr SceneBench kSceneBenches[] = {
    {"BM_StaffRepaint", Repaint, PaintScene},
    {"BM_StaffRepaintOpaque", Repaint, OpaquePaintScene},
    {"BM_MemcpyFrame", CopyFrame, PaintScene},
    {"BM_TallStaffRepaint", Repaint, TallPaintScene},
    {"BM_MemcpyTallFrame", CopyFrame, TallPaintScene},
};

[[maybe_unused]] const bool kSceneBenchesRegistered = [] {
    for (const SceneBench& entry : kSceneBenches) {
        benchmark::RegisterBenchmark(
            entry.name, [entry](benchmark::State& state) { entry.run(state, entry.scene()); });
    }
    return true;
}();

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
