#include "core/boundedread.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace boundedread {

ReadResult readDescriptor(int fd, std::string &bytes, std::size_t maxBytes)
{
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return { ReadStatus::ReadError, errno };
        }
        if (n == 0)
            return {};
        if (static_cast<std::size_t>(n) > maxBytes - bytes.size())
            return { ReadStatus::TooLarge, 0 };
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

ReadResult readFile(const std::string &path, std::string &bytes, std::size_t maxBytes)
{
    bytes.clear();
    int fd;
    do
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return { ReadStatus::CannotOpen, errno };
    const ReadResult result = readDescriptor(fd, bytes, maxBytes);
    ::close(fd);
    return result;
}

} // namespace boundedread
