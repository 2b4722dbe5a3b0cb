// The document file (".dvn"): the borehole name, the format choice, the station lines
// and the descriptive lines in the archive encoding of the original program, without
// any header. Pure functions on bytes plus a reader and a check on paths; no Qt, so
// the batch tool and the fuzz targets use the same code as the desktop program.
#pragma once

#include "core/survey.h"

#include <cstdint>
#include <string>
#include <string_view>

// The four items a document file holds, in file order.
struct DocumentItems
{
    std::string m_Name;
    std::int32_t m_Format = 1;
    StringList m_Eingabe;
    StringList m_Info;

    bool operator==(const DocumentItems &) const = default;
};

// What went wrong with the bytes of a document file.
enum class DocFileFault {
    None,
    Truncated, // a length or count needs more bytes than the file holds
    WideString, // a string marked as two-byte characters, which this program never writes
    TrailingData, // bytes after the fourth item: not a document written by this program
    TooLarge, // beyond any plausible document; not read into memory
    Unreadable, // the file could not be opened or read
};

// Files above this size are refused before they are read. A full document of 3000
// station lines is below 100 kB.
inline constexpr std::uint64_t kMaxDocumentFileSize = 256u * 1024u * 1024u;

// Neither list of a document holds more lines than this. A line in memory costs a string
// object of its own, some thirty times its one-byte length prefix in the file, so the
// file size alone does not bound what decoding allocates. The survey itself takes at
// most 3000 stations.
inline constexpr std::size_t kMaxDocumentLines = 1000000;

// The bytes of a document file.
std::string encodeDocument(const DocumentItems &items);

// Decodes `bytes` into `out` only when the whole input is one well-formed document;
// on a fault `out` is left untouched. Every length and count is checked against the
// bytes that remain before anything is allocated.
DocFileFault decodeDocument(std::string_view bytes, DocumentItems &out);

// Reads and decodes the file at `path` (a file-system path). On a fault `out` is left
// untouched and `message` receives the German text to show (Windows-1252), naming
// `displayName` (UTF-8, the name the user knows the file by).
bool readDocumentFile(const std::string &path, const std::string &displayName, DocumentItems &out,
    std::string &message);

// The German message for a fault, naming the file (UTF-8); Windows-1252 bytes.
std::string docFileMessage(DocFileFault fault, const std::string &displayName);
