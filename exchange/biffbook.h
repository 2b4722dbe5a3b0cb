// The records of an Excel 97–2003 workbook stream (BIFF8), as the OLE2 container of an
// .xls file holds it: the sheet list and shared strings of the workbook globals, and one
// worksheet's cells as a table. Every length is checked against the record and the
// stream before it is used, and the table keeps the bounds of table.h. No Qt, no
// container: xlsfile.h takes the stream out of the file.
#pragma once

#include "exchange/table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

// A workbook stream larger than a file the import reads is refused.
inline constexpr std::size_t kMaxBiffStreamBytes = kMaxFileBytes;

struct BiffSheet
{
    std::string name;
    std::uint32_t offset = 0; // of the sheet's BOF record in the stream
};

struct BiffWorkbook
{
    std::vector<BiffSheet> sheets; // worksheets only, in workbook order
    std::vector<std::string> strings; // the shared strings, clipped to a cell
    std::optional<TableFault> fault; // set: nothing usable
};

// Reads the workbook globals: the substream from the first BOF to its EOF.
BiffWorkbook readBiffGlobals(std::string_view stream);

// Reads the worksheet whose BOF record starts at `offset` into a table, with the shared
// strings of `book`. A fault is set when the records are damaged or the table too large.
struct BiffSheetRead
{
    Table table;
    std::optional<TableFault> fault;
};
BiffSheetRead readBiffSheet(
    std::string_view stream, const BiffWorkbook &book, std::uint32_t offset);

} // namespace exchange
