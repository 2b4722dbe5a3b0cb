// A table file of either kind (delimited text or .xlsx) from its bytes, with the choices
// the reader made; the one entry point for the dialog and the batch tool. Qt Core.
#pragma once

#include "exchange/delimitedtext.h"
#include "exchange/table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

enum class TableFormat { Delimited, Xlsx };

// The kind a file name's extension stands for: .csv, .tsv (and .txt) are delimited text,
// .xlsx a workbook; nothing for any other.
std::optional<TableFormat> tableFormatForPath(const std::string &path);

struct TableLoad
{
    Table table;
    Delimiter delimiter = Delimiter::Automatic; // the one used for delimited text
    std::vector<std::string> sheetNames; // a workbook's sheets (Windows-1252)
    int sheetIndex = -1; // the sheet read
    std::optional<TableFault> fault; // set: no table
};

TableLoad loadTable(
    std::string_view bytes, TableFormat format, Delimiter delimiter, const std::string &sheet);

// Reads a file of at most kMaxFileBytes; `path` is UTF-8. On failure `fault` says why.
bool readTableFile(const std::string &path, std::string &bytes, TableFault &fault);

} // namespace exchange
