// Reading a sheet of an Excel workbook (.xlsx): the zip archive through libzip, every part
// checked against a stated limit before and while it is unpacked, then the XML readers.
// Qt Core.
#pragma once

#include "exchange/table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

// Unpacked size limits of the parts read. Their sizes as the archive states them are
// checked first, and reading stops as soon as more comes out than stated or allowed. A
// sheet of a million rows of ten numbers takes about 450 MB of XML; it is read piece by
// piece, so the limit bounds the time, not the memory.
inline constexpr std::size_t kMaxSheetXmlBytes = 512u << 20;
inline constexpr std::size_t kMaxSharedStringsBytes = 32u << 20;
inline constexpr std::size_t kMaxSmallPartBytes = 1u << 20; // workbook, relationships

struct XlsxRead
{
    Table table;
    std::vector<std::string> sheetNames; // in workbook order
    int sheetIndex = -1; // the sheet read, from 0
    std::optional<TableFault> fault; // set: no table
};

// `sheet`: empty for the first sheet, a number from 1, or a sheet's name (an exact
// match first, then one that ignores case).
XlsxRead readXlsx(std::string_view bytes, const std::string &sheet);

} // namespace exchange
