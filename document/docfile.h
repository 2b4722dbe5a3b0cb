// The document file (".dvn"): the borehole name, the format choice, the station lines
// and the descriptive lines in the archive encoding of the original program, without
// any header; then, only when the document has well settings, a trailer that holds them.
// The texts of the four items are Windows-1252, as they always were; itemsOf and wellOf
// convert from and to the UTF-8 of the rest of the program.
// Pure functions on bytes plus a reader and a check on paths; no Qt, so the batch tool
// and the fuzz targets use the same code as the desktop program.
//
// The trailer follows the fourth item directly:
//   8 bytes   marker 89 44 56 4E 0D 0A 1A 0A (0x89 "DVN" CR LF Ctrl-Z LF)
//   4 bytes   version, little-endian (1)
//   4 bytes   length n of the text, little-endian, at most kMaxSettingsSize
//   n bytes   the settings as UTF-8 JSON, one object (well/settings.h)
// and nothing after it. Readers of the four items stop after the fourth and never see
// it. The marker's first byte is no ASCII character, so no text file and no line of a
// measurement file begins this way; CR LF, Ctrl-Z and LF show a file that went through a
// text-mode copy. Only a trailer whose marker, version and length agree, whose length
// reaches exactly to the end of the file and whose JSON is valid counts; any other bytes
// after the fourth item still mark the file as damaged.
//
// A later program writes new members into the same version (they are kept here and
// written back); the version grows only when a member changes its meaning, and a file
// of a version this program does not know is refused rather than half understood.
#pragma once

#include "well/settings.h"
#include "well/well.h"

#include <cstdint>
#include <string>
#include <string_view>

// The four items a document file holds, in file order, with their bytes as the file has
// them: the texts Windows-1252.
struct DocumentItems
{
    std::string m_Name;
    std::int32_t m_Format = 1;
    well::StringList m_Eingabe;
    well::StringList m_Info;
    // Not one of the four items: the trailer, written only when something is set.
    WellSettings m_Settings;

    bool operator==(const DocumentItems &) const = default;
};

inline constexpr char kSettingsMarker[8] = { '\x89', 'D', 'V', 'N', '\r', '\n', '\x1A', '\n' };
inline constexpr std::uint32_t kSettingsVersion = 1;
// The settings' JSON text is at most this long (16 MiB); settings of a few numbers need
// some hundred bytes, the stations of neighbouring wells some 25 to 60 bytes each, so
// that a few hundred thousand of them fit. A whole trailer is at most 16 bytes more.
inline constexpr std::uint32_t kMaxSettingsSize = 16u << 20;

// What went wrong with the bytes of a document file.
enum class DocFileFault {
    None,
    Truncated, // a length or count needs more bytes than the file holds
    WideString, // a string marked as two-byte characters, which this program never writes
    TrailingData, // bytes after the fourth item: not a document written by this program
    TooLarge, // beyond any plausible document; not read into memory
    BadSettings, // a trailer whose JSON is not valid or holds a value out of its limits
    NewerSettings, // a trailer of a later version
    Unreadable, // the file could not be opened or read
};

// Files above this size are refused before they are read. A full document of 3000
// station lines is below 100 kB.
inline constexpr std::uint64_t kMaxDocumentFileSize = 256u * 1024u * 1024u;

// Neither list of a document holds more lines than this. A line in memory costs a string
// object of its own, some thirty times its one-byte length prefix in the file, so the
// file size alone does not bound what decoding allocates.
inline constexpr std::size_t kMaxDocumentLines = 1000000;

// The items of a well and the well of items: the station lines are read once here into
// the typed survey, which keeps each line's text, so that a document read and written
// again has the same bytes. The texts go from UTF-8 to Windows-1252 and back; a
// character that Windows-1252 lacks is written as "?" (the dialogs refuse such
// characters where they are typed: documentHolds).
DocumentItems itemsOf(const well::Well &well);
well::Well wellOf(DocumentItems items);

// Whether the document file's texts can hold the character `cp`.
bool documentHolds(char32_t cp);

// `text` as the document file keeps it and gives it back: each character it cannot hold
// becomes "?".
std::string storableText(const std::string &text);

// Writes the document file at `path` (a file-system path) without ever destroying the
// previous one: a temporary beside it replaces it only when complete. False when the
// file could not be written, or when its settings would not fit the trailer (the file
// could not be read back); the old file then keeps its content.
bool writeDocumentFile(const std::string &path, const DocumentItems &items);

// The German message for a document that could not be saved under `path`.
std::string documentNotSavedMessage(const std::string &path);

// Whether `settings` fit a document's trailer (kMaxSettingsSize).
bool settingsFitDocument(const WellSettings &settings);

// The bytes of a document file.
std::string encodeDocument(const DocumentItems &items);

// Decodes `bytes` into `out` only when the whole input is one well-formed document;
// on a fault `out` is left untouched. Every length and count is checked against the
// bytes that remain before anything is allocated. With `detail`, a fault in the
// settings is described there in German.
DocFileFault decodeDocument(
    std::string_view bytes, DocumentItems &out, std::string *detail = nullptr);

// Reads and decodes the file at `path` (a file-system path). On a fault `out` is left
// untouched and `message` receives the German text to show, naming `displayName` (the
// name the user knows the file by).
bool readDocumentFile(const std::string &path, const std::string &displayName, DocumentItems &out,
    std::string &message);

// The German message for a fault, naming the file and adding `detail` when given.
std::string docFileMessage(
    DocFileFault fault, const std::string &displayName, const std::string &detail = {});
