// Reading a whole file into memory, up to a bound: a file larger than the bound is
// refused as soon as that is clear, before it fills the memory. Read in pieces rather
// than trusting a size from the file system, so that pipes, standard input and files
// that grow are read the same way. No Qt.
#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace boundedread {

enum class ReadStatus {
    Ok,
    CannotOpen, // missing, no permission
    ReadError, // opened but not readable (a folder, an I/O error)
    TooLarge, // more than the bound; `bytes` is then incomplete
};

struct ReadResult
{
    ReadStatus status = ReadStatus::Ok;
    int error = 0; // errno of the failed step; 0 for Ok and TooLarge

    bool ok() const { return status == ReadStatus::Ok; }
};

inline constexpr std::size_t kUnbounded = std::numeric_limits<std::size_t>::max();

// Reads `path` into `bytes`; at most `maxBytes` bytes are accepted.
ReadResult readFile(const std::string &path, std::string &bytes, std::size_t maxBytes = kUnbounded);

// The same from an open descriptor (standard input), which is left open.
ReadResult readDescriptor(int fd, std::string &bytes, std::size_t maxBytes = kUnbounded);

} // namespace boundedread
