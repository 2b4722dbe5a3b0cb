#include "cli/linesource.h"

#include <cstdio>
#include <memory>

bool readAllBytes(const std::string &path, std::string &bytes)
{
    bytes.clear();
    FILE *f = stdin;
    std::unique_ptr<FILE, int (*)(FILE *)> owned(nullptr, &std::fclose);
    if (path != "-") {
        owned.reset(std::fopen(path.c_str(), "rb"));
        f = owned.get();
        if (!f)
            return false;
    }
    char buf[65536];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, n);
    return !std::ferror(f);
}

std::vector<std::string> splitLines(const std::string &bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        const bool lastWithoutEnd = end == std::string::npos;
        if (lastWithoutEnd)
            end = bytes.size();
        size_t textEnd = end;
        if (!lastWithoutEnd && textEnd > start && bytes[textEnd - 1] == '\r')
            --textEnd;
        lines.emplace_back(bytes, start, textEnd - start);
        start = end + 1;
    }
    return lines;
}
