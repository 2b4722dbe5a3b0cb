// The positional uncertainty of a survey of 3000 stations by the ISCWSA MWD Rev 5 model,
// every source: the covariance at every station, as a recomputation makes it. The goal is
// a median under 1 ms. Alongside, the per-source breakdown and the covariances at a point
// every 10 m along the path (one sweep for all of them).
#include "core/trajectory.h"
#include "uncertainty/uncertainty.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kStations = 3000;

// Vertical at the top, then a well that builds, holds and turns, like the recomputation's.
traj::Trajectory survey()
{
    traj::Trajectory t;
    t.stations.resize(kStations);
    for (int i = 1; i < kStations; ++i) {
        traj::Station &s = t.stations[static_cast<std::size_t>(i)];
        s.md = 10.0 * i;
        s.inclination = i < 30 ? 0.0 : 0.5 + 60.0 * (1.0 - std::exp(-(i - 30) / 400.0));
        s.azimuth = i < 30 ? 0.0 : std::fmod(15.0 + 0.05 * i, 360.0);
    }
    traj::computeNumericTrajectory(t);
    return t;
}

unc::Inputs rev5()
{
    unc::Inputs in;
    in.model = ErrorModel::IscwsaMwdRev5;
    in.declination = -4;
    return in;
}

void Uncertainty3000(benchmark::State &state)
{
    const traj::Trajectory path = survey();
    const unc::Inputs in = rev5();
    for (auto _ : state) {
        const std::vector<unc::Sym3> c = unc::stationCovariances(path, in);
        benchmark::DoNotOptimize(c.data());
    }
    if (path.stations.size() != kStations)
        state.SkipWithError("the survey did not compute in full");
}

void UncertaintyBySource3000(benchmark::State &state)
{
    const traj::Trajectory path = survey();
    const unc::Inputs in = rev5();
    for (auto _ : state) {
        const std::vector<unc::SourceCovariances> c = unc::sourceBreakdown(path, in);
        benchmark::DoNotOptimize(c.data());
    }
}

void UncertaintyEvery10m(benchmark::State &state)
{
    const traj::Trajectory path = survey();
    const unc::Inputs in = rev5();
    std::vector<traj::Point> points;
    traj::Point p;
    for (double md = 5; traj::pointAtMd(path, md, p); md += 10)
        points.push_back(p);
    for (auto _ : state) {
        const std::vector<unc::Sym3> c = unc::pointCovariances(path, in, points);
        benchmark::DoNotOptimize(c.data());
    }
}

} // namespace

BENCHMARK(Uncertainty3000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(UncertaintyBySource3000)->Unit(benchmark::kMicrosecond);
BENCHMARK(UncertaintyEvery10m)->Unit(benchmark::kMicrosecond);
