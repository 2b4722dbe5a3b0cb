// The clearance scan. Clearance20x3000: a reference well of 3000 stations against 20
// offset wells of 3000 stations each, from a cluster of slots 2.5 m apart (their vertical
// tops crowd the search), kicking off at different depths toward every side; goal well
// under 200 ms, the uncertainty included (until the error models are in, their interface
// answers zeros at no cost: the ...Distances case is the geometry alone).
// ClearanceScenarios: the five ISCWSA scenarios of tests/data/clearance in one run; goal
// well under 20 ms.
#include "clearance/scan.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <string>
#include <thread>

namespace {

constexpr int kStations = 3000;
constexpr double kStep = 3.0; // metres between stations

// Vertical to the kick-off, a build of 2.5°/30 m to `hold`, a slow turn below.
std::vector<clr::Reading> wellReadings(double kickOff, double hold, double azimuth, double turn)
{
    std::vector<clr::Reading> r;
    for (int i = 0; i < kStations; ++i) {
        const double md = i * kStep;
        const double inc = std::clamp((md - kickOff) * 2.5 / 30.0, 0.0, hold);
        const double azi = std::fmod(
            azimuth + turn * std::max(0.0, md - kickOff - 1500) / 1000.0 + 720.0, 360.0);
        r.push_back({ md, inc, azi });
    }
    return r;
}

struct Field
{
    clr::Well reference;
    std::vector<clr::Well> offsets;
};

Field field(bool withModels)
{
    Field f;
    f.reference.name = "Bezug";
    f.reference.path = clr::pathOf(wellReadings(400, 65, 20, 4));
    f.reference.holeDiameter = 0.2159;
    if (withModels)
        f.reference.errorModel = unc::Inputs {};
    for (int j = 0; j < 20; ++j) {
        clr::Well w;
        w.name = "Nachbar " + std::to_string(j + 1);
        w.path = clr::pathOf(wellReadings(250 + 60 * j, 30 + 2 * j, 18.0 * j, j % 2 ? 5 : -5));
        w.slotNorth = 2.5 * (j / 5) - 2.5;
        w.slotEast = 2.5 * (j % 5) - 5.0;
        if (w.slotNorth == 0 && w.slotEast == 0)
            w.slotEast = 7.5;
        w.holeDiameter = 0.2159;
        if (withModels)
            w.errorModel = unc::Inputs {};
        f.offsets.push_back(std::move(w));
    }
    return f;
}

void scanField(benchmark::State &state, bool withModels)
{
    const Field f = field(withModels);
    for (const clr::Well &w : f.offsets) {
        if (w.path.stations.size() != kStations)
            state.SkipWithError("an offset well did not compute in full");
    }
    for (auto _ : state) {
        const clr::Scan s = clr::scan(f.reference, f.offsets);
        benchmark::DoNotOptimize(s.offsets.data());
    }
}

void Clearance20x3000(benchmark::State &state)
{
    scanField(state, true);
}

void Clearance20x3000Distances(benchmark::State &state)
{
    scanField(state, false);
}

// A well of the set: the readings of its file and the slot of its first station.
clr::Well setWell(const std::string &name, bool &ok)
{
    std::ifstream in(std::string(DRAVON_BENCH_DATA) + "/clearance/" + name);
    clr::Well w;
    w.name = name;
    std::vector<clr::Reading> readings;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        double v[6] = {};
        const char *p = line.data(), *end = line.data() + line.size();
        for (double &x : v) {
            const auto [next, ec] = std::from_chars(p, end, x);
            if (ec != std::errc())
                ok = false;
            p = next < end ? next + 1 : end;
        }
        if (readings.empty()) {
            w.slotNorth = v[4];
            w.slotEast = v[5];
        }
        readings.push_back({ v[0], v[1], v[2] });
    }
    ok = ok && !readings.empty();
    w.path = clr::pathOf(readings);
    unc::Inputs in4;
    in4.model = ErrorModel::IscwsaMwdRev4;
    in4.dip = 70;
    in4.north = NorthReference::Grid;
    w.errorModel = in4;
    w.holeDiameter = 0.6096;
    return w;
}

void ClearanceScenarios(benchmark::State &state)
{
    bool ok = true;
    const clr::Well reference = setWell("reference-well.csv", ok);
    std::vector<clr::Well> offsets;
    for (const char *name :
        { "offset-01.csv", "offset-02.csv", "offset-03.csv", "offset-04.csv", "offset-05.csv" })
        offsets.push_back(setWell(name, ok));
    if (!ok)
        state.SkipWithError("the scenarios' files could not be read");
    for (auto _ : state) {
        const clr::Scan s = clr::scan(reference, offsets);
        benchmark::DoNotOptimize(s.offsets.data());
    }
}

// A field of five pads of twenty wells each, 3000 stations a well, the pads 1.5 km apart
// and the reference on the first: every well drilled away from its pad toward its own
// side, so that the reference crosses the neighbours of its pad and passes some of the
// next pads.
Field pads()
{
    Field f;
    f.reference.name = "Bezug";
    f.reference.path = clr::pathOf(wellReadings(400, 65, 20, 4));
    f.reference.holeDiameter = 0.2159;
    f.reference.errorModel = unc::Inputs {};
    const double centres[5][2] = { { 0, 0 }, { 1500, 0 }, { 0, 1500 }, { -1500, 0 }, { 0, -1500 } };
    for (int p = 0; p < 5; ++p) {
        for (int j = 0; j < 20; ++j) {
            clr::Well w;
            w.name = "Pad " + std::to_string(p + 1) + " / " + std::to_string(j + 1);
            w.path = clr::pathOf(
                wellReadings(250 + 60 * j, 30 + 2 * j, 18.0 * j + 7 * p, j % 2 ? 5 : -5));
            w.slotNorth = centres[p][0] + 2.5 * (j / 5) - 2.5;
            w.slotEast = centres[p][1] + 2.5 * (j % 5) - 5.0;
            if (w.slotNorth == 0 && w.slotEast == 0)
                w.slotEast = 7.5;
            w.holeDiameter = 0.2159;
            w.errorModel = unc::Inputs {};
            f.offsets.push_back(std::move(w));
        }
    }
    return f;
}

// Every pair of the field, one after the other on one thread: the scan as it was.
void FieldPairs100x3000(benchmark::State &state)
{
    const Field f = pads();
    for (auto _ : state) {
        const clr::Scan s = clr::scan(f.reference, f.offsets);
        benchmark::DoNotOptimize(s.offsets.data());
    }
}

// The same field within 500 m, on all cores.
void FieldWithin500x3000(benchmark::State &state)
{
    const Field f = pads();
    const clr::ScanOptions options { 500.0, std::max(1u, std::thread::hardware_concurrency()) };
    for (auto _ : state) {
        const clr::Scan s = clr::scan(f.reference, f.offsets, {}, {}, options);
        benchmark::DoNotOptimize(s.offsets.data());
    }
}

} // namespace

BENCHMARK(FieldPairs100x3000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(FieldWithin500x3000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(Clearance20x3000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(Clearance20x3000Distances)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(ClearanceScenarios)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
