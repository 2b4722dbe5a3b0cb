#include "core/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace utf8 {

void append(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

    constexpr char32_t kReplacement = 0xFFFD;

    // The length of the well-formed sequence at `at`, 0 when there is none.
    std::size_t sequenceAt(std::string_view text, std::size_t at, char32_t &cp)
    {
        const auto b = static_cast<unsigned char>(text[at]);
        std::size_t more = 0;
        char32_t min = 0;
        if (b < 0x80) {
            cp = b;
            return 1;
        } else if ((b & 0xE0) == 0xC0) {
            more = 1, min = 0x80, cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            more = 2, min = 0x800, cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            more = 3, min = 0x10000, cp = b & 0x07;
        } else {
            return 0;
        }
        if (at + more >= text.size())
            return 0;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto c = static_cast<unsigned char>(text[at + k]);
            if ((c & 0xC0) != 0x80)
                return 0;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return 0;
        return more + 1;
    }

    bool isContinuation(char c)
    {
        return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    }

} // namespace

char32_t next(std::string_view text, std::size_t &at)
{
    char32_t cp = 0;
    const std::size_t n = sequenceAt(text, at, cp);
    if (n == 0) {
        ++at;
        return kReplacement;
    }
    at += n;
    return cp;
}

bool isAscii(std::string_view text)
{
    // Eight bytes at a time: survey files and results tables are long.
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        if (word & 0x8080808080808080u)
            return false;
    }
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

bool isValid(std::string_view text)
{
    char32_t cp = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = sequenceAt(text, i, cp);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::string sanitized(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    char32_t cp = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = sequenceAt(bytes, i, cp);
        if (n == 0) {
            out += '?';
            ++i;
        } else {
            out.append(bytes.substr(i, n));
            i += n;
        }
    }
    return out;
}

std::size_t length(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !isContinuation(c); }));
}

Prefix prefix(std::string_view text, std::size_t characters)
{
    // No character is longer than four bytes, not even in malformed text: the cut never
    // takes more than four bytes a character.
    Prefix p;
    for (; p.characters < characters && p.bytes < text.size(); ++p.characters) {
        const std::size_t end = std::min(text.size(), p.bytes + 4);
        ++p.bytes;
        while (p.bytes < end && isContinuation(text[p.bytes]))
            ++p.bytes;
    }
    return p;
}

std::size_t prefixBytes(std::string_view text, std::size_t characters)
{
    return prefix(text, characters).bytes;
}

void clip(std::string &text, std::size_t characters)
{
    // A text of no more bytes than characters wanted has no more characters either.
    if (text.size() > characters)
        text.resize(prefixBytes(text, characters));
}

void popBack(std::string &text)
{
    while (!text.empty() && isContinuation(text.back()))
        text.pop_back();
    if (!text.empty())
        text.pop_back();
}

char32_t foldCase(char32_t cp)
{
    if ((cp >= U'A' && cp <= U'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7))
        return cp + 0x20;
    switch (cp) {
    case 0x0160: // S with caron
    case 0x0152: // OE
    case 0x017D: // Z with caron
        return cp + 1;
    case 0x0178: // Y with diaeresis
        return 0xFF;
    default:
        return cp;
    }
}

} // namespace utf8
