// Conversion between the program's single-byte text (Windows-1252, as stored in
// documents, measurement files and "aus.txt") and UTF-8 at the edges (Qt, terminals).
#pragma once

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

// Appends the UTF-8 bytes of a code point (up to U+10FFFF).
void appendUtf8(std::string &out, char32_t cp);

} // namespace win1252
