// Reading a measurement file's bytes and splitting them into lines.
#include "input/measurementfile.h"

#include "core/boundedread.h"
#include "core/win1252.h"

StringList splitLines(std::string_view bytes)
{
    StringList lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) {
            // A last line without a line feed counts as a line; its bytes stay as they are.
            lines.emplace_back(bytes.substr(start));
            break;
        }
        size_t end = lf;
        if (end > start && bytes[end - 1] == '\r')
            --end; // the file is text: CR LF is one line end
        lines.emplace_back(bytes.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

StringList textLines(std::string_view bytes)
{
    StringList lines = splitLines(bytes);
    for (std::string &line : lines)
        line = win1252::toUtf8(line);
    return lines;
}

MeasurementFileLines readMeasurementFile(const std::string &path)
{
    MeasurementFileLines result;
    std::string bytes;
    // A directory opens on some systems but cannot be read: that is no file either.
    if (!boundedread::readFile(path, bytes).ok())
        return result;

    result.opened = true;
    result.lines = splitLines(bytes);
    return result;
}
