// Recomputation of a survey of 3000 stations (2999 station lines plus the surface
// station). The goal is a full recomputation well under 2 ms, and the numeric pass alone
// (the trajectory without the table) several times faster than a vectorised numpy pass.
#include "core/cformat.h"
#include "core/trajectory.h"
#include "well/computation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kStations = 3000;

// A deviated well that builds, holds and turns: no straight interval, no abort.
well::Well fullWell()
{
    StringList lines;
    for (int i = 1; i < kStations; ++i) {
        const double depth = 10.0 * i;
        const double inclination = 0.5 + 60.0 * (1.0 - std::exp(-i / 400.0));
        const double azimuth = std::fmod(15.0 + 0.05 * i, 360.0);
        lines.push_back(cfmt("%8.2f  %7.2f  %7.2f", depth, inclination, azimuth));
    }
    well::Well w;
    w.survey = well::surveyFromLines(lines);
    return w;
}

// The check, both trajectories and the results table.
void FullRecomputation(benchmark::State &state)
{
    const well::Well w = fullWell();
    well::Computation c;
    for (auto _ : state) {
        well::compute(w, c);
        benchmark::DoNotOptimize(c.table.data());
    }
    if (c.legacy.stations.size() != kStations || c.aborted)
        state.SkipWithError("the survey did not compute in full");
}

// Checking the typed stations only.
void StationValidation(benchmark::State &state)
{
    const well::Well w = fullWell();
    for (auto _ : state) {
        const well::CheckedSurvey checked = well::checkSurvey(w.survey);
        benchmark::DoNotOptimize(checked.stations.data());
    }
}

// One pass alone: a trajectory of the checked stations, no table. The stations are put
// into the records once, as a numpy pass is timed on arrays it is given: a pass reads
// only depth, inclination and azimuth of each record and leaves them as they are, and
// this survey has no stop that would drop records.
template <void (*Pass)(traj::Trajectory &)> void trajectoryPass(benchmark::State &state)
{
    const well::CheckedSurvey checked = well::checkSurvey(fullWell().survey);
    traj::Trajectory t;
    t.stations.resize(checked.stations.size());
    for (std::size_t i = 0; i < checked.stations.size(); ++i) {
        t.stations[i].md = checked.stations[i].md;
        t.stations[i].inclination = checked.stations[i].inclination;
        t.stations[i].azimuth = checked.stations[i].azimuth;
    }
    for (auto _ : state) {
        Pass(t);
        benchmark::DoNotOptimize(t.stations.data());
        benchmark::ClobberMemory();
    }
    if (t.stations.size() != kStations)
        state.SkipWithError("the survey did not compute in full");
}

// The numeric pass of every output but the results table.
void NumericTrajectory3000(benchmark::State &state)
{
    trajectoryPass<traj::computeNumericTrajectory>(state);
}

// The results table's own pass, in the table's arithmetic.
void TableTrajectory3000(benchmark::State &state)
{
    trajectoryPass<traj::computeTrajectory>(state);
}

// The course of a million stations from three arrays, as the Python module computes it
// for course(md, inclination, azimuth, only=("tvd", "north", "east", "dls")): the check,
// then the numeric pass straight into four columns. The columns are reused from one
// iteration to the next, so that this times the computation, not the kernel's fresh pages.
void CourseColumnsMillion(benchmark::State &state)
{
    constexpr std::size_t n = 1000000;
    std::vector<double> md(n), inclination(n), azimuth(n);
    for (std::size_t i = 0; i < n; ++i) {
        md[i] = static_cast<double>(i + 1);
        inclination[i] = std::min(89.0, 1e-4 * static_cast<double>(i));
        azimuth[i] = std::fmod(40.0 + 1e-3 * static_cast<double>(i), 360.0);
    }
    const well::StationColumns stations { md.data(), inclination.data(), azimuth.data(), 1, n };
    std::vector<double> tvd(n + 1), north(n + 1), east(n + 1), dls(n + 1);
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::optional<well::CheckedColumns> checked = well::checkColumns(stations);
        rows = checked ? well::computeCourseColumns(stations, *checked, std::nullopt, 0.0,
                             { nullptr, nullptr, nullptr, tvd.data(), north.data(), east.data(),
                                 nullptr, nullptr, dls.data(), nullptr, nullptr })
                       : 0;
        benchmark::DoNotOptimize(tvd.data());
        benchmark::ClobberMemory();
    }
    if (rows != n + 1)
        state.SkipWithError("the survey did not compute in full");
}

} // namespace

BENCHMARK(CourseColumnsMillion)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
// Medians over repetitions: single runs on a shared machine scatter.
BENCHMARK(NumericTrajectory3000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(TableTrajectory3000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(FullRecomputation)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(StationValidation)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
