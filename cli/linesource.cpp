#include "cli/linesource.h"

#include "core/boundedread.h"

#include <unistd.h>

bool readAllBytes(const std::string &path, std::string &bytes)
{
    return (path == "-" ? boundedread::readDescriptor(STDIN_FILENO, bytes)
                        : boundedread::readFile(path, bytes))
        .ok();
}
