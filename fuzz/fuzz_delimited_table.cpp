// Fuzz target: delimited text into a table and on into stations, with every delimiter
// and the detection. What comes out must keep the bounds and hang together.
#include "core/cscan.h"
#include "exchange/delimitedtext.h"
#include "exchange/stationmapping.h"
#include "fuzz/celltext.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace exchange;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the delimiter and the mapping's choices; the rest is the file.
    const unsigned choice = data[0];
    const std::string_view bytes(reinterpret_cast<const char *>(data) + 1, size - 1);
    const std::string text = decodeText(bytes);
    const DelimitedRead read = readDelimited(text, static_cast<Delimiter>(choice % 5));
    check(read.delimiter != Delimiter::Automatic);
    check(read.table.rows.size() <= static_cast<size_t>(kMaxRows));
    size_t cells = 0;
    for (const auto &row : read.table.rows) {
        check(row.size() <= static_cast<size_t>(kMaxColumns));
        cells += row.size();
        for (const Cell &cell : row)
            check(isKeptCellText(cell.text));
    }
    check(cells == read.table.cells);
    if (read.fault)
        return 0;

    MappingRequest request;
    request.decimal = static_cast<DecimalSign>((choice / 5) % 3);
    request.headerRow = static_cast<int>((choice / 15) % 4) - 1;
    request.step = (choice & 0x80) ? 5 : 1;
    const StationImport import = importStations(read.table, request);
    if (import.fault) {
        check(import.survey.empty());
        check(!import.fault->message.empty());
        return 0;
    }
    check(import.records >= static_cast<int>(import.survey.size()));
    // Every station fits the results table's single precision, and its written form
    // reads back as the same numbers.
    for (const well::Station &station : import.survey.stations()) {
        double depth = 0, inclination = 0, azimuth = 0;
        check(cscan::readStation(well::stationText(station), depth, inclination, azimuth));
        check(well::Station { depth, inclination, azimuth } == station);
    }
    return 0;
}
