// Fuzz target: the station-line scanner (cscan) on arbitrary text. The first byte picks
// the field widths, the rest is the text.
#include "core/cscan.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

size_t spaceAt(const char *p)
{
    size_t n = 0;
    while (cscan::isSpace(p[n]))
        ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int width = data[0] % 12 - 1; // -1 (no limit) to 10
    const std::string line(reinterpret_cast<const char *>(data + 1), size - 1);
    const char *begin = line.c_str();
    const char *end = begin + std::strlen(begin);

    float out[3] = { 0, 0, 0 };
    const int count = cscan::readFloats(line, out);
    check(count >= 0 && count <= 3);

    float depth = 0, inclination = 0, azimuth = 0;
    if (cscan::readStation(line, depth, inclination, azimuth)) {
        check(count == 3);
        check(std::isfinite(depth) && std::isfinite(inclination) && std::isfinite(azimuth));
        check(std::memcmp(&depth, &out[0], sizeof depth) == 0);
        check(std::memcmp(&azimuth, &out[2], sizeof azimuth) == 0);
    } else {
        check(count < 3 || !std::isfinite(out[0]) || !std::isfinite(out[1])
            || !std::isfinite(out[2]));
    }

    // A limited field never reads beyond the white space and its width, nor the text.
    const char *p = begin;
    float value = 0;
    const size_t blanks = spaceAt(p);
    if (cscan::readFloat(p, value, width)) {
        check(p > begin + blanks && p <= end);
        if (width >= 0)
            check(static_cast<size_t>(p - begin) <= blanks + static_cast<size_t>(width));
    } else {
        check(p == begin + blanks);
    }

    p = begin;
    int number = 0;
    if (cscan::readInt(p, number, width)) {
        check(p > begin + blanks && p <= end);
        if (width >= 0)
            check(static_cast<size_t>(p - begin) <= blanks + static_cast<size_t>(width));
    } else {
        check(p == begin + blanks);
    }

    // Words: runs of non-blank characters, read one after the other to the end.
    p = begin;
    std::string word;
    size_t words = 0;
    while (cscan::readWord(p, word)) {
        check(!word.empty() && p <= end);
        for (char c : word)
            check(!cscan::isSpace(c) && c != '\0');
        ++words;
    }
    check(p == end);
    check(words <= line.size());
    return 0;
}
