#include "cli/cliprompter.h"

#include "core/win1252.h"

#include <cstdio>
#include <string_view>

namespace {

bool isInterpolationResult(const std::string &text)
{
    return std::string_view(text).starts_with("\nERGEBNISSE DER INTERPOLATION");
}

} // namespace

void writeUtf8Line(FILE *stream, const std::string &text)
{
    const std::string utf8 = win1252::toUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
    std::fputc('\n', stream);
}

void CliPrompter::message(const std::string &text)
{
    if (isInterpolationResult(text)) {
        interpolationResults.push_back(text);
        return;
    }
    writeUtf8Line(stderr, text);
    ++messagesShown;
}

bool CliPrompter::askYesNo(const std::string &question)
{
    writeUtf8Line(stderr, question);
    ++messagesShown;
    return false;
}

bool CliPrompter::askNumber(const std::string &, float &value)
{
    if (!nextNumber)
        return false;
    value = *nextNumber;
    nextNumber.reset();
    return true;
}
