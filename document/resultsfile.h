// The results file ("aus.txt"): the document's title and the results table as plain
// text, one line each, every line ended by CR LF, and reading its lines back. The file is
// Windows-1252, as it always was; the title and the lines in and out are UTF-8. No Qt.
#pragma once

#include "core/stringlist.h"

#include <string>
#include <string_view>

// A line of the results table as the table holds characters: those of Windows-1252, any
// other as "?". The results file writes its lines so, and the batch tool prints them so.
std::string resultsText(const std::string &line);

// At most this many lines are taken when a results file is read back.
inline constexpr std::size_t kMaxResultLines = 3000;

// The bytes of a results file: nothing at all for an empty table, otherwise the title
// line and then every entry, each followed by a line end. Text goes in verbatim (a
// character that Windows-1252 lacks as "?"); every "\n", also one inside an entry,
// becomes CR LF.
std::string encodeResults(const std::string &title, const StringList &entries);

// The lines of a results file: CR LF or a lone LF end a line and are not part of it; a
// last line without a line end is kept whole; nothing is shortened. At most `maxLines`
// lines are taken, the rest is ignored.
StringList decodeResults(std::string_view bytes, std::size_t maxLines = kMaxResultLines);

// Writes the results file at `path` (a file-system path), replacing its content.
// Returns false when the file could not be created or written completely; the old file
// then keeps its content.
bool writeResultsFile(const std::string &path, const std::string &title, const StringList &entries);

// Reads at most kMaxResultLines lines of the file at `path` into `out` (appended).
// Returns false when the file could not be opened; reading stops at the line limit, so
// a huge file is never read in full.
bool readResultsFile(const std::string &path, StringList &out);
