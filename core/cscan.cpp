#include "core/cscan.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace cscan {
namespace {

// One "C" locale object for the whole process, created on first use and never freed:
// strtof_l reads with it whatever locale the process runs under.
locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

const char *skipSpace(const char *p)
{
    while (isSpace(*p))
        ++p;
    return p;
}

} // namespace

bool readFloat(const char *&p, float &value, int width)
{
    p = skipSpace(p);
    if (width == 0)
        return false;
    char *end = nullptr;
    if (width < 0) {
        const float v = strtof_l(p, &end, cLocale());
        if (end == p)
            return false;
        value = v;
        p = end;
        return true;
    }
    // A limited field: only the first `width` characters may take part.
    char buf[64];
    int n = 0;
    while (n < width && n < static_cast<int>(sizeof buf) - 1 && p[n] != '\0') {
        buf[n] = p[n];
        ++n;
    }
    buf[n] = '\0';
    const float v = strtof_l(buf, &end, cLocale());
    if (end == buf)
        return false;
    value = v;
    p += end - buf;
    return true;
}

bool readInt(const char *&p, int &value, int width)
{
    p = skipSpace(p);
    const char *q = p;
    const char *limit = width < 0 ? nullptr : p + width;
    auto within = [&](const char *c) { return !limit || c < limit; };
    bool negative = false;
    if (within(q) && (*q == '+' || *q == '-')) {
        negative = *q == '-';
        ++q;
    }
    long long v = 0;
    const char *digitsStart = q;
    while (within(q) && *q >= '0' && *q <= '9') {
        if (v < 100000000000LL)
            v = v * 10 + (*q - '0');
        ++q;
    }
    if (q == digitsStart)
        return false;
    if (negative)
        v = -v;
    if (v > INT_MAX)
        v = INT_MAX;
    if (v < INT_MIN)
        v = INT_MIN;
    value = static_cast<int>(v);
    p = q;
    return true;
}

bool readWord(const char *&p, std::string &word)
{
    p = skipSpace(p);
    const char *q = p;
    while (*q != '\0' && !isSpace(*q))
        ++q;
    if (q == p)
        return false;
    word.assign(p, q);
    p = q;
    return true;
}

int readFloats(const std::string &line, float out[3])
{
    const char *p = line.c_str();
    int count = 0;
    while (count < 3 && readFloat(p, out[count]))
        ++count;
    return count;
}

bool readStation(const std::string &line, float &depth, float &inclination, float &azimuth)
{
    float v[3];
    if (readFloats(line, v) != 3)
        return false;
    if (!std::isfinite(v[0]) || !std::isfinite(v[1]) || !std::isfinite(v[2]))
        return false;
    depth = v[0];
    inclination = v[1];
    azimuth = v[2];
    return true;
}

} // namespace cscan
