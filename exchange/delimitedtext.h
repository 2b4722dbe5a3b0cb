// Delimited text (CSV, TSV, blank-separated columns) into a table: the character set
// (UTF-8 with or without byte order mark, UTF-16 with one, otherwise Windows-1252), the
// delimiter (detected or chosen) and quoted fields as RFC 4180 has them. No Qt.
#pragma once

#include "exchange/table.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

enum class Delimiter {
    Automatic,
    Semicolon,
    Comma,
    Tab,
    Blanks, // one or more blanks or tabs; leading and trailing ones separate nothing
};

// The file's bytes as UTF-8 text, in the character set they show (textencoding::decode).
std::string decodeText(std::string_view bytes);

// The same without a copy where none is needed: `bytes` itself when it is plain ASCII,
// else the decoded text, kept in `storage`.
std::string_view decodedText(std::string_view bytes, std::string &storage);

// The delimiter that splits the first rows of `text` most consistently into two or more
// columns; Blanks when no character does.
Delimiter detectDelimiter(std::string_view text);

// The name of a delimiter in the chosen language, for the dialog and messages.
std::string delimiterName(Delimiter delimiter);

struct DelimitedRead
{
    Table table;
    Delimiter delimiter = Delimiter::Blanks; // the one used (detected when Automatic)
    std::optional<TableFault> fault; // set: the table is not usable
};

// Splits `text` into rows and fields. A quoted field may hold delimiters,
// line ends and doubled quotes; a quote that is never closed refuses the text. The table
// keeps the text: its cells are views of it.
DelimitedRead readDelimited(std::string text, Delimiter delimiter);

// A row split after the first rows (from 0), with the table of those first rows. The
// cells are valid during the call only.
using LaterRows = std::function<void(const Table &first, int row, const std::vector<Cell> &cells)>;

// Splits like readDelimited, with the same bounds and faults, but keeps only the first
// `keptRows` rows in the table and hands each later row to `later` as it is split, so that
// a long survey is never a table in memory. The cells of the table are views of `text`,
// which must outlive it.
DelimitedRead readDelimitedHead(
    std::string_view text, Delimiter delimiter, int keptRows, const LaterRows &later);

} // namespace exchange
