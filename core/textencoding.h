// The character set of a text file that does not name its own: the table import's
// delimited text and LAS files come from many programs, some writing UTF-8, some UTF-16,
// older ones Windows-1252. No Qt.
#pragma once

#include <string>
#include <string_view>

namespace textencoding {

// The file's bytes as UTF-8: after a UTF-8 byte order mark UTF-8 (malformed bytes become
// '?'), after a UTF-16 one UTF-16 of that byte order (an unpaired surrogate becomes '?');
// without a mark, text that is well-formed UTF-8 is UTF-8 (pure ASCII reads the same
// either way) and anything else Windows-1252.
std::string decode(std::string_view bytes);

} // namespace textencoding
