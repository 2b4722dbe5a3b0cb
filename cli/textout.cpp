#include "cli/textout.h"

#include "core/win1252.h"

void writeUtf8Line(FILE *stream, const std::string &text)
{
    const std::string utf8 = win1252::toUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
    std::fputc('\n', stream);
}
