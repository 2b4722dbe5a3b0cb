// The 3D view's work without the painting: building the scene of ten wells of 3000
// stations (once per computation) and one frame of it while the view turns (projection,
// thinning to the pixels, clipping, depth sorting), in a view of 1000 by 700 pixels.
#include "scene3d/frame.h"
#include "view3dpad.h"

#include <benchmark/benchmark.h>

namespace {

// A screen of 96 dpi: 0.378 pixels per logical unit of 0.1 mm.
constexpr double kPixel = 254.0 / 96.0;
constexpr double kWidth = 1000 * kPixel, kHeight = 700 * kPixel;

void View3dScene10x3000(benchmark::State &state)
{
    for (auto _ : state) {
        const scene3d::Scene scene = benchpad::padScene(true);
        benchmark::DoNotOptimize(scene.wells.data());
    }
}

void View3dFrame10x3000(benchmark::State &state)
{
    const bool tube = state.range(0) != 0;
    const scene3d::Scene scene = benchpad::padScene(tube);
    scene3d::Camera camera = scene3d::fitted(scene, 225, 25, kWidth, kHeight);
    for (auto _ : state) {
        camera = scene3d::orbited(camera, 1, 0);
        const scene3d::Frame frame = scene3d::frameOf(scene, camera, { kWidth, kHeight, kPixel });
        benchmark::DoNotOptimize(frame.items.data());
    }
}

} // namespace

BENCHMARK(View3dScene10x3000)->Unit(benchmark::kMillisecond);
BENCHMARK(View3dFrame10x3000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
