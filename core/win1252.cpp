#include "core/win1252.h"

#include "core/utf8.h"

namespace win1252 {
namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined ones keep their own value.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t toCodePoint(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kHigh[byte - 0x80];
    return byte;
}

std::optional<unsigned char> byteOf(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string toUtf8(std::string_view bytes)
{
    // Most text is ASCII, which reads the same in both.
    if (utf8::isAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (unsigned char b : bytes)
        utf8::append(out, toCodePoint(b));
    return out;
}

std::string fromUtf8(std::string_view text)
{
    if (utf8::isAscii(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    // A malformed byte reads as U+FFFD, which has no byte either.
    for (std::size_t i = 0; i < text.size();)
        out += static_cast<char>(byteOf(utf8::next(text, i)).value_or('?'));
    return out;
}

} // namespace win1252
