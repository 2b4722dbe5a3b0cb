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
