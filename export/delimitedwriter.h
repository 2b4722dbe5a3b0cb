// A column table as delimited text: CSV (RFC 4180: comma, decimal point, CRLF), the
// German CSV that German spreadsheet programs open directly, and the tab-separated rows
// for the clipboard. One header line names each column and its unit. No Qt.
#pragma once

#include "export/columntable.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace surveyexport {

struct TextStyle
{
    char delimiter = ',';
    char decimal = '.';
    // UTF-8 byte order mark first. The German CSV has one: a spreadsheet program opening
    // a CSV by double-click reads it in the Windows code page unless a mark says UTF-8,
    // and "°", "ü" in the headings would come out garbled. Plain CSV goes to scripts
    // and GIS programs, which take a mark for part of the first heading.
    bool byteOrderMark = false;
    const char *lineEnd = "\r\n";
    // Fixed decimals for every number; none: the shortest text that reads back as the
    // same double.
    std::optional<int> fixedDecimals;
};

TextStyle csvStyle(); // comma, decimal point, full precision
TextStyle germanCsvStyle(); // semicolon, decimal comma, byte order mark, full precision
TextStyle clipboardStyle(char decimal); // tabs, line feeds, the desktop's decimal sign

std::string delimitedText(const ColumnTable &table, const TextStyle &style);
// The same text handed out line by line, for a file that need not be held in memory.
void writeDelimited(const ColumnTable &table, const TextStyle &style,
    const std::function<void(std::string_view)> &emit);

// A listing as CSV with the request of each row: micrometres and millionths of a degree,
// more than the stations carry.
std::string listingCsv(const listing::Listing &listing);

// One number as `style` writes it; an absent or non-finite value gives an empty field.
std::string numberText(std::optional<double> value, const TextStyle &style);

// One field, quoted when it holds the delimiter, a quote or a line break.
std::string quotedField(const std::string &text, char delimiter);

} // namespace surveyexport
