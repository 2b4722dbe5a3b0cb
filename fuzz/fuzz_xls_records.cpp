// Fuzz target: the records of a legacy Excel workbook stream (BIFF8), as the .xls
// container hands them over: the globals, every sheet they list, and the stations of
// each. The reader must keep the table's bounds, never read past a record, and give a
// message with every fault. (The container itself is libgsf's and not fuzzed here.)
#include "exchange/biffbook.h"
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
    const std::string_view stream(reinterpret_cast<const char *>(data), size);
    const BiffWorkbook book = readBiffGlobals(stream);
    if (book.fault) {
        check(!book.fault->message.empty());
        return 0;
    }
    for (const std::string &text : book.strings)
        check(isKeptCellText(text));
    for (const BiffSheet &sheet : book.sheets) {
        const BiffSheetRead read = readBiffSheet(stream, book, sheet.offset);
        if (read.fault) {
            check(!read.fault->message.empty());
            continue;
        }
        // The table's count of cells, which its bound is checked against, agrees with its
        // rows; no row is wider and no text longer than the bounds.
        std::size_t cells = 0;
        for (const auto &row : read.table.rows) {
            check(row.size() <= static_cast<std::size_t>(kMaxColumns));
            cells += row.size();
            for (const Cell &cell : row)
                check(isKeptCellText(cell.text));
        }
        check(cells == read.table.cells);
        check(read.table.rows.size() <= 65536);
        const StationImport import = importStations(read.table, {});
        check(!import.fault || !import.fault->message.empty());
        check(import.afterFirst <= import.afterLast);
        check(import.afterFirst == 0 || import.afterFirst > import.mapping.firstDataRow);
    }
    return 0;
}
