// A column table as delimited text: CSV (RFC 4180: comma, decimal point, CRLF), the
// German CSV that German spreadsheet programs open directly, and the tab-separated rows
// for the clipboard. One header line names each column and its unit; a table with an
// error model has its title rows (label, value) above it. No Qt.
#pragma once

#include "core/decimalsign.h"
#include "export/columntable.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace surveyexport {

struct TextStyle
{
    char delimiter = ',';
    decimalsign::Sign decimal = decimalsign::Sign::Point;
    // UTF-8 byte order mark first. The German CSV has one: a spreadsheet program opening
    // a CSV by double-click reads it in the Windows code page unless a mark says UTF-8,
    // and "°", "ü" in the headings would come out garbled. Plain CSV goes to scripts
    // and GIS programs, which take a mark for part of the first heading.
    bool byteOrderMark = false;
    const char *lineEnd = "\r\n";
    // Each column's own decimals, as a table on the screen shows it; otherwise (files)
    // the shortest text that reads back as the same double.
    bool shownDecimals = false;
};

TextStyle csvStyle(); // comma, decimal point, full precision
TextStyle germanCsvStyle(); // semicolon, decimal comma, byte order mark, full precision
TextStyle clipboardStyle(decimalsign::Sign decimal); // tabs, line feeds, the desktop's sign

std::string delimitedText(const ColumnTable &table, const TextStyle &style);
// The same text handed out line by line, for a file that need not be held in memory.
// Without `header` only the rows are written (a later piece of a long table).
void writeDelimited(const ColumnTable &table, const TextStyle &style,
    const std::function<void(std::string_view)> &emit, bool header = true);

// A listing as CSV with the request of each row, its numbers as every CSV writes them.
std::string listingCsv(const listing::Listing &listing);

// One number of `column` as `style` writes it; an absent or non-finite value gives an
// empty field.
std::string numberText(std::optional<double> value, const Column &column, const TextStyle &style);
// One cell of `column`, quoted for `style`'s delimiter.
std::string cellText(const Column &column, std::size_t row, const TextStyle &style);

// One field, quoted when it holds the delimiter, a quote or a line break.
std::string quotedField(const std::string &text, char delimiter);

} // namespace surveyexport
