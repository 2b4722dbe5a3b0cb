// A file in the temporary folder that removes itself, for tests that read files.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

class TempFile
{
public:
    explicit TempFile(std::string_view bytes, const std::string &suffix = ".txt")
    {
        static int counter = 0;
        m_path = (std::filesystem::temp_directory_path()
            / ("dravon-input-" + std::to_string(::getpid()) + "-" + std::to_string(++counter)
                + suffix))
                     .string();
        std::ofstream out(m_path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile() { std::remove(m_path.c_str()); }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;

    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};
