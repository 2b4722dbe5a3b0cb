// The tool library: every code looked up and turned into its sources (what choosing a
// tool costs), and a survey of 3000 stations computed with one code, for comparison with
// the built-in Rev 5 model of bench_uncertainty.cpp, and with a program of three runs.
#include "core/trajectory.h"
#include "toollibrary/toollibrary.h"
#include "uncertainty/uncertainty.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void ToolLibraryEveryCode(benchmark::State &state)
{
    for (auto _ : state) {
        std::size_t computed = 0;
        for (const toollib::Tool &tool : toollib::library()) {
            const toollib::Tool *found = toollib::find(tool.code);
            computed += toollib::modelFor(*found).model.has_value() ? 1 : 0;
        }
        benchmark::DoNotOptimize(computed);
    }
}

traj::Trajectory well3000()
{
    traj::Trajectory path;
    path.stations.resize(3000);
    for (std::size_t i = 1; i < path.stations.size(); ++i) {
        traj::Station &s = path.stations[i];
        s.md = 10.0 * static_cast<double>(i);
        s.inclination
            = i < 30 ? 0.0 : 0.5 + 60.0 * (1.0 - std::exp(-(static_cast<double>(i) - 30) / 400.0));
        s.azimuth = i < 30 ? 0.0 : std::fmod(15.0 + 0.05 * static_cast<double>(i), 360.0);
    }
    traj::computeNumericTrajectory(path);
    return path;
}

void ToolLibraryWell3000(benchmark::State &state)
{
    const traj::Trajectory path = well3000();
    const toollib::ModelOrRefusal tool = toollib::modelFor("MWD+IFR1+AX+SAG");
    if (!tool.model) {
        state.SkipWithError("the code is refused");
        return;
    }
    unc::Inputs in;
    in.declination = -4;
    tool.model->applyTo(in);
    for (auto _ : state) {
        const std::vector<unc::Sym3> c = unc::stationCovariances(path, in);
        benchmark::DoNotOptimize(c.data());
    }
}

// The same survey in three runs: a gyro through the top 600 m, MWD with in-field referencing
// and multi-station correction to 18 000 m, plain MWD below.
void ToolLibraryProgram3000(benchmark::State &state)
{
    const traj::Trajectory path = well3000();
    const std::vector<SurveyRun> program { { 0, 600.0, "GYRO-NS", "", {} },
        { 600, 18000.0, "MWD+IFR1+MS", "", {} }, { 18000, std::nullopt, "MWD+SRGM", "", {} } };
    unc::Inputs in;
    in.declination = -4;
    in.latitude = 52;
    if (toollib::applyProgram(program, in)) {
        state.SkipWithError("a code is refused");
        return;
    }
    for (auto _ : state) {
        const std::vector<unc::Sym3> c = unc::stationCovariances(path, in);
        benchmark::DoNotOptimize(c.data());
    }
}

} // namespace

BENCHMARK(ToolLibraryEveryCode)->Unit(benchmark::kMicrosecond);
BENCHMARK(ToolLibraryWell3000)->Unit(benchmark::kMillisecond);
BENCHMARK(ToolLibraryProgram3000)->Unit(benchmark::kMillisecond);
