#include "cli/textout.h"

void writeLine(FILE *stream, const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
}

void appendLine(std::string &out, const std::string &text)
{
    out += text;
    out += '\n';
}
