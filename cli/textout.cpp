#include "cli/textout.h"

#include "core/win1252.h"

#include <algorithm>

namespace {

bool isAscii(const std::string &text)
{
    return std::all_of(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

void writeUtf8Line(FILE *stream, const std::string &text)
{
    // The results table is ASCII: a million lines go out without a converted copy.
    if (isAscii(text)) {
        std::fwrite(text.data(), 1, text.size(), stream);
    } else {
        const std::string utf8 = win1252::toUtf8(text);
        std::fwrite(utf8.data(), 1, utf8.size(), stream);
    }
    std::fputc('\n', stream);
}

void appendUtf8Line(std::string &out, const std::string &text)
{
    out += isAscii(text) ? text : win1252::toUtf8(text);
    out += '\n';
}
