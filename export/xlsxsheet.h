// A column table as an Excel workbook (.xlsx) through libxlsxwriter: title rows with the
// borehole and the document, a bold header row that stays in view, numeric cells at full
// precision shown with each column's decimals, and the same names in the workbook's
// properties. No Qt.
#pragma once

#include "export/columntable.h"

#include <string>

namespace surveyexport {

struct SheetInfo
{
    std::string borehole; // UTF-8
    std::string document; // UTF-8, the document file or the input; may be empty
    std::string sheetName = "Bahn"; // at most 31 characters
};

// The rows the title takes above the header row; the header row is this one (from 0),
// moved down by the table's title rows (an error model and its inputs) where it has any.
inline constexpr int kXlsxHeaderRow = 3;

// Writes the workbook to `path` (UTF-8); false when it cannot be written.
bool writeXlsx(const std::string &path, const ColumnTable &table, const SheetInfo &info);

} // namespace surveyexport
