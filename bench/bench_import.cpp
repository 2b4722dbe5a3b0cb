// The table import of a large survey on delimited text: the character set, splitting into
// cells, the column mapping and the conversion to doubles, as the batch tool runs it and
// through a whole table as the dialog does. The goal for a million stations with a few
// more columns is well under 0.4 s for the batch tool's way. Repeated runs reuse memory
// the first one took fresh; on a machine where fresh memory is dear, a single run of
// the batch tool (/usr/bin/time) tells more. The survey
// is made here like tools/make-big-survey.py makes it (--extra); DRAVON_BENCH_CSV names a
// file to read instead.
#include "core/cformat.h"
#include "exchange/delimitedtext.h"
#include "exchange/stationmapping.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string makeSurvey(int stations)
{
    std::string text = "MD [m],Inc,Azi,TVD,North,East,DLS,Remark\n";
    text.reserve(static_cast<std::size_t>(stations) * 64);
    double tvd = 0, north = 0, east = 0, previousInc = 0;
    for (int i = 0; i < stations; ++i) {
        const double inc
            = std::max(0.0, 60.0 * (1.0 - std::exp(-i / 2000.0)) + 5.0 * std::sin(i / 5000.0));
        const double azi = std::fmod(15.0 + 0.0003 * i + 10.0 * std::sin(i / 7000.0), 360.0);
        if (i > 0) {
            const double r = inc * M_PI / 180.0, a = azi * M_PI / 180.0;
            tvd += std::cos(r);
            north += std::sin(r) * std::cos(a);
            east += std::sin(r) * std::sin(a);
        }
        const double dls = i == 0 ? 0.0 : std::abs(inc - previousInc) * 30.0;
        previousInc = inc;
        cfmtAppend(text, "%.3f,%.3f,%.3f,%.3f,%.3f,%.3f,%.2f,ok\n", static_cast<double>(i), inc,
            azi, tvd, north, east, dls);
    }
    return text;
}

const std::string &survey(int stations)
{
    static std::string text;
    static int made = -1;
    if (made != stations) {
        if (const char *path = std::getenv("DRAVON_BENCH_CSV")) {
            std::ifstream in(path, std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            text = bytes.str();
        } else {
            text = makeSurvey(stations);
        }
        made = stations;
    }
    return text;
}

// File bytes to typed stations as the batch tool imports them (importTableStations):
// without a table in between.
void BM_ImportDelimited(benchmark::State &state)
{
    const std::string &bytes = survey(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string decoded;
        const exchange::StationImport import = exchange::importDelimitedStations(
            exchange::decodedText(bytes, decoded), exchange::Delimiter::Automatic, {});
        if (import.fault)
            state.SkipWithError("the survey was refused");
        benchmark::DoNotOptimize(import.survey.stations().data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ImportDelimited)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same through a whole table, as the dialog does it (it shows the table).
void BM_ImportDelimitedTable(benchmark::State &state)
{
    const std::string &bytes = survey(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        exchange::DelimitedRead read
            = exchange::readDelimited(exchange::decodeText(bytes), exchange::Delimiter::Automatic);
        const exchange::StationImport import = exchange::importStations(read.table, {});
        if (read.fault || import.fault)
            state.SkipWithError("the survey was refused");
        benchmark::DoNotOptimize(import.survey.stations().data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ImportDelimitedTable)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The splitting into a whole table alone (the character set check and the copy included).
void BM_SplitDelimited(benchmark::State &state)
{
    const std::string &bytes = survey(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        exchange::DelimitedRead read
            = exchange::readDelimited(exchange::decodeText(bytes), exchange::Delimiter::Comma);
        benchmark::DoNotOptimize(read.table.rows.data());
    }
}
BENCHMARK(BM_SplitDelimited)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The stations written as lines, which the batch tool's dialog still reads.
void BM_StationLines(benchmark::State &state)
{
    const std::string &bytes = survey(static_cast<int>(state.range(0)));
    const exchange::DelimitedRead read
        = exchange::readDelimited(exchange::decodeText(bytes), exchange::Delimiter::Comma);
    const exchange::StationImport import = exchange::importStations(read.table, {});
    for (auto _ : state) {
        const well::StringList lines = import.survey.lines();
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_StationLines)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
