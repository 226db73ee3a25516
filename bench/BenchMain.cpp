// Prints the facts the figures rest on, then runs the benchmarks.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Language.h"
#include "bench/Fixtures.h"
#include "bench/QPainterScene.h"
#include "platform/Resources.h"
#include "res/EmbeddedResources.h"

namespace {

using bench::PaintScene;

// Pixels where the Qt drawing of the scene differs from the control's own repaint.
int DifferingPixels() {
    PaintScene().Repaint();
    const Surface& screen = PaintScene().Screen();
    QImage drawn = bench::QPainterScene::MakeTarget();
    bench::QPainterScene(PaintScene().Drawings()).Draw(drawn);
    int differing = 0;
    for (int y = 0; y < screen.Height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(drawn.constScanLine(y));
        for (int x = 0; x < screen.Width(); ++x) {
            differing += (row[x] & 0x00FFFFFFu) != screen.Pixel(x, y) ? 1 : 0;
        }
    }
    return differing;
}

// The window backend shows the surface as a QImage over the same memory: true when Qt
// takes the pixels as they are, in Format_RGB32, without a copy or a conversion.
bool SurfacePresentsWithoutConversion() {
    const Surface& screen = PaintScene().Screen();
    const QImage image(reinterpret_cast<const uchar*>(screen.Row(0)), screen.Width(),
                       screen.Height(), screen.Width() * 4, QImage::Format_RGB32);
    const bool sameMemory = image.constBits() == reinterpret_cast<const uchar*>(screen.Row(0));
    return sameMemory && image.format() == QImage::Format_RGB32 &&
           (image.pixel(300, 81) & 0x00FFFFFFu) == screen.Pixel(300, 81);
}

// Runs one operation `count` times with no framework around it, for instruction counts:
// the difference between two counts divided by the difference in calls is the cost of one.
int RunCounted(const std::string& operation, int count) {
    if (operation == "repaint") {
        for (int i = 0; i < count; ++i) {
            PaintScene().Repaint();
            PaintScene().ClearLog();
        }
    } else if (operation == "qpainter") {
        const bench::QPainterScene scene(PaintScene().Drawings());
        QImage target = bench::QPainterScene::MakeTarget();
        for (int i = 0; i < count; ++i) {
            scene.Draw(target);
        }
    } else if (operation == "move") {
        bench::StaffScene& scene = bench::DragScene();
        for (int i = 0; i < count; ++i) {
            scene.Mouse(WM_MOUSEMOVE, 300 + (i & 1), (i & 1) != 0 ? 86 : 76);
            scene.ClearLog();
        }
    } else {
        std::fprintf(stderr, "unknown operation %s\n", operation.c_str());
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    SetResourceBytes(EmbeddedResourceBytes());
    SetResourceLanguage(kChineseResources, kChineseResources);
    if (argc == 4 && std::string(argv[1]) == "--count") {
        return RunCounted(argv[2], std::atoi(argv[3]));
    }
    std::printf("fact sound_path=\"%s\"\n", bench::Sound().Describe().c_str());
    std::printf("fact audio_latency_ms=%.2f\n", bench::ConfiguredAudioLatencyMs());
    std::printf("fact qpainter_scene_differing_pixels=%d\n", DifferingPixels());
    std::printf("fact surface_wraps_as_rgb32_without_copy=%s\n",
                SurfacePresentsWithoutConversion() ? "yes" : "no");
    std::fflush(stdout);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
