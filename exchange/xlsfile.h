// Reading a sheet of a legacy Excel workbook (.xls, Excel 97–2003): the OLE2 compound
// file through libgsf, its workbook stream through the bounded BIFF8 reader of
// biffbook.h. The same sheet choice as for .xlsx. No Qt.
#pragma once

#include "exchange/table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

struct XlsRead
{
    Table table;
    std::vector<std::string> sheetNames; // in workbook order
    int sheetIndex = -1; // the sheet read, from 0
    std::optional<TableFault> fault; // set: no table
};

// True when `bytes` begin as an OLE2 compound file does (.xls, and also an encrypted
// .xlsx or a Word document).
bool looksLikeCompoundFile(std::string_view bytes);

// The workbook stream (BIFF8 records) of an .xls file's container; a fault when the file
// is no .xls workbook, an older or an encrypted one, or damaged.
std::optional<TableFault> readWorkbookStream(std::string_view bytes, std::string &stream);

// `sheet`: empty for the first sheet, a number from 1, or a sheet's name (an exact
// match first, then one that ignores case).
XlsRead readXls(std::string_view bytes, const std::string &sheet);

} // namespace exchange
