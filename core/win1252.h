// Windows-1252, the single-byte character set of the files the program has always
// written and read: the measurement files, the document file's four items and the results
// file "aus.txt". Inside the program text is UTF-8 (core/utf8.h); only the readers and
// writers of those files convert, with these functions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace win1252 {

// Every byte maps to one code point; the five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so any byte
// string survives a round trip through UTF-8.
std::string toUtf8(std::string_view bytes);

// Code points without a Windows-1252 byte, and malformed UTF-8, become '?'.
std::string fromUtf8(std::string_view utf8);

// The code point that a byte stands for.
char32_t toCodePoint(unsigned char byte);

// The byte that stands for a code point; nothing when Windows-1252 has none.
std::optional<unsigned char> byteOf(char32_t cp);

} // namespace win1252
