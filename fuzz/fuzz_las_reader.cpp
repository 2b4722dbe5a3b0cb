// Fuzz target: a LAS file read into a table and mapped to stations. The reader must keep
// its bounds, refuse with a line and a message or give a heading row and data rows of
// exactly one value per curve, and the stations of what it gives must be finite.
#include "exchange/lasfile.h"
#include "exchange/stationmapping.h"
#include "fuzz/celltext.h"

#include <cmath>
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
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const SurveyFileRead read = readLas(bytes);
    if (read.fault) {
        check(!read.fault->message.empty());
        check(read.table.rows.empty());
        check(read.fault->row >= 0);
        return 0;
    }
    check(!read.table.rows.empty());
    const size_t curves = read.table.rows.front().size();
    check(curves >= 1 && curves <= static_cast<size_t>(kMaxColumns));
    size_t cells = 0;
    for (const auto &row : read.table.rows) {
        check(row.size() == curves);
        cells += row.size();
        for (const Cell &cell : row)
            check(isKeptCellText(cell.text) && (!cell.absent || cell.text.empty()));
    }
    check(cells == read.table.cells && cells <= kMaxCells);
    check(isKeptCellText(read.wellName));

    const StationImport import = importStations(read.table, {});
    if (import.fault) {
        check(import.survey.empty());
        return 0;
    }
    check(import.survey.size() <= read.table.rows.size() - 1);
    for (const well::Station &s : import.survey.stations())
        check(std::isfinite(s.md) && std::isfinite(s.inclination) && std::isfinite(s.azimuth));
    return 0;
}
