// The program's text is UTF-8 from end to end: every std::string that holds words for a
// person (a well's name, its descriptive lines, a station line, a message, a caption)
// holds UTF-8. These are the few operations on it that must not split a character: how
// many characters a text has, where a cut may go, and the lower case that the station
// list and the column headings compare by. No Qt.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace utf8 {

// Appends the UTF-8 bytes of a code point (up to U+10FFFF).
void append(std::string &out, char32_t cp);

// The code point that starts at `at`, and `at` moved past it. A byte that starts no
// well-formed sequence (a stray continuation byte, a cut or overlong sequence, a
// surrogate) gives U+FFFD and moves `at` by one byte. `at` must be below text.size().
char32_t next(std::string_view text, std::size_t &at);

// True when every byte is below 0x80: such text is the same in every character set the
// program reads or writes.
bool isAscii(std::string_view text);

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool isValid(std::string_view text);

// `bytes` as well-formed UTF-8: what is well-formed stays, every other byte becomes '?'.
std::string sanitized(std::string_view bytes);

// The number of characters (code points) of well-formed `text`.
std::size_t length(std::string_view text);

// The first `characters` characters of `text` (all of them when it has fewer): the bytes
// they take, at most four a character whatever the bytes are, and how many they are.
struct Prefix
{
    std::size_t bytes = 0;
    std::size_t characters = 0;
};
Prefix prefix(std::string_view text, std::size_t characters);
std::size_t prefixBytes(std::string_view text, std::size_t characters);

// Keeps at most `characters` characters of `text`.
void clip(std::string &text, std::size_t characters);

// Removes the last character of `text` (nothing when it is empty).
void popBack(std::string &text);

// Lower case of the letters of the Western European alphabets the program's files have
// always held: A-Z, the accented capitals from U+00C0 to U+00DE (not the multiplication
// sign) and Š, Œ, Ž, Ÿ. Every other code point stays.
char32_t foldCase(char32_t cp);

} // namespace utf8
