// The 3D view painted as the desktop paints it: ten wells of 3000 stations with their
// tubes, turned by a degree per frame, drawn through the drawing layer onto an image of
// 1000 by 700 pixels with antialiasing (the raster engine, as on the screen). The time
// per frame gives the frames per second the view can show. Needs the offscreen platform
// (QT_QPA_PLATFORM=offscreen) without a display.
#include "graph3d/view3dexport.h"
#include "scene3d/frame.h"
#include "view3dpad.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

namespace {

constexpr double kPixel = 254.0 / 96.0;
const QSize kPixels(1000, 700);

void View3dPaint10x3000(benchmark::State &state)
{
    const bool tube = state.range(0) != 0;
    const scene3d::Scene scene = benchpad::padScene(tube);
    const double w = kPixels.width() * kPixel, h = kPixels.height() * kPixel;
    scene3d::Camera camera = scene3d::fitted(scene, 225, 25, w, h);
    view3d::Look look;
    look.tube = tube;
    for (auto _ : state) {
        camera = scene3d::orbited(camera, 1, 0);
        const QImage image = view3d::renderImage(scene, camera, w, h, kPixels, look);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["fps"]
        = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(View3dPaint10x3000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
