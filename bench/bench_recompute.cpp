// Recomputation of a survey at full capacity: 2999 station lines plus the surface
// station. The goal is a full recomputation well under 2 ms, and the numeric pass alone
// (the trajectory without the table) under 0.15 ms.
#include "core/cformat.h"
#include "core/scriptedprompter.h"
#include "core/survey.h"
#include "core/trajectory.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A deviated well that builds, holds and turns: no straight interval, no abort.
StringList fullSurvey()
{
    StringList lines;
    for (int i = 1; i < MAX_MESSWERTE; ++i) {
        const double depth = 10.0 * i;
        const double inclination = 0.5 + 60.0 * (1.0 - std::exp(-i / 400.0));
        const double azimuth = std::fmod(15.0 + 0.05 * i, 360.0);
        lines.push_back(cfmt("%8.2f  %7.2f  %7.2f", depth, inclination, azimuth));
    }
    return lines;
}

// The full survey in a data set, with a prompter that keeps nothing.
struct Prepared
{
    SurveyData s;
    ScriptedPrompter silent;

    explicit Prepared(bool parsed)
    {
        silent.record = false;
        s.m_Eingabe = fullSurvey();
        if (parsed)
            s.messwerte(silent);
    }
};

void FullRecomputation(benchmark::State &state)
{
    Prepared p(false);
    for (auto _ : state) {
        p.s.berechnung(p.silent);
        benchmark::DoNotOptimize(p.s.m_Ergebnisse.data());
    }
    if (p.s.m_MaxWerte != MAX_MESSWERTE || p.s.lastRunAborted())
        state.SkipWithError("the survey did not compute in full");
}

// Parsing and checking the station lines only.
void StationValidation(benchmark::State &state)
{
    Prepared p(false);
    for (auto _ : state) {
        p.s.messwerte(p.silent);
        benchmark::DoNotOptimize(p.s.m_Teufe.data());
    }
}

// The osculating-circle computation on parsed stations (with the table rows it writes).
void OsculatingCircleOnly(benchmark::State &state)
{
    Prepared p(true);
    for (auto _ : state) {
        p.s.schmiegungskreis(p.silent);
        benchmark::DoNotOptimize(p.s.m_X.data());
    }
}

// The numeric pass alone: the trajectory of the parsed stations, no table, no plot series.
void NumericTrajectory3000(benchmark::State &state)
{
    Prepared p(true);
    traj::Trajectory t;
    for (auto _ : state) {
        traj::computeTrajectory(
            p.s.m_Teufe.data(), p.s.m_Phi.data(), p.s.m_Theta.data(), p.s.m_MaxWerte, t);
        benchmark::DoNotOptimize(t.stations.data());
        benchmark::ClobberMemory();
    }
    if (t.stations.size() != MAX_MESSWERTE)
        state.SkipWithError("the survey did not compute in full");
}

} // namespace

// Medians over repetitions: single runs on a shared machine scatter.
BENCHMARK(NumericTrajectory3000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(FullRecomputation)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(StationValidation)->Unit(benchmark::kMicrosecond);
BENCHMARK(OsculatingCircleOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
