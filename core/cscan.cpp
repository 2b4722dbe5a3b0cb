#include "core/cscan.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
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

// Plain decimal numbers ("-123.45"), by far the most common case, without the general
// conversion: with at most 15 significant digits and 8 decimals the integer n and 10^k
// are exact doubles, their quotient is rounded once, and that double cannot lie close
// enough to a point half-way between two floats to round differently from the exact
// value (it would need 10^k > 2^28). Anything else (exponent, hexadecimal, inf, nan,
// more digits) goes to strtof. Returns the end of the number, or nullptr.
const char *fastDecimal(const char *p, double &value)
{
    static constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    const char *q = p;
    const bool negative = *q == '-';
    if (*q == '-' || *q == '+')
        ++q;
    std::uint64_t n = 0;
    int digits = 0, decimals = 0;
    bool any = false;
    bool tooLong = false;
    // Takes a run of digits into n; counts the significant ones.
    const auto takeDigits = [&](bool fraction) {
        while (*q >= '0' && *q <= '9' && !tooLong) {
            if (n != 0 || *q != '0')
                ++digits;
            n = n * 10 + static_cast<std::uint64_t>(*q - '0');
            any = true;
            ++q;
            tooLong = digits > 15 || (fraction && ++decimals > 8);
        }
    };
    takeDigits(false);
    if (*q == '.' && !tooLong) {
        ++q;
        takeDigits(true);
    }
    if (tooLong)
        return nullptr;
    if (!any || *q == 'e' || *q == 'E' || ((*q == 'x' || *q == 'X') && q[-1] == '0'))
        return nullptr;
    const double v = static_cast<double>(n) / kPow10[decimals];
    value = negative ? -v : v;
    return q;
}

// strtof in the "C" locale, after the fast path for plain decimals.
const char *parseFloat(const char *p, float &value)
{
    double exact = 0;
    if (const char *end = fastDecimal(p, exact)) {
        value = static_cast<float>(exact);
        return end;
    }
    char *end = nullptr;
    const float v = strtof_l(p, &end, cLocale());
    if (end == p)
        return nullptr;
    value = v;
    return end;
}

// strtod in the "C" locale, after the same fast path. A plain decimal is then the double
// nearest to it, and that double rounded to single precision is the float that
// parseFloat gives: both round the same quotient.
const char *parseDouble(const char *p, double &value)
{
    if (const char *end = fastDecimal(p, value))
        return end;
    char *end = nullptr;
    const double v = strtod_l(p, &end, cLocale());
    if (end == p)
        return nullptr;
    value = v;
    return end;
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
    if (width < 0) {
        const char *end = parseFloat(p, value);
        if (!end)
            return false;
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
    const char *end = parseFloat(buf, value);
    if (!end)
        return false;
    p += end - buf;
    return true;
}

bool readDouble(const char *&p, double &value)
{
    p = skipSpace(p);
    const char *end = parseDouble(p, value);
    if (!end)
        return false;
    p = end;
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

bool readStation(const std::string &line, double &depth, double &inclination, double &azimuth)
{
    const char *p = line.c_str();
    double v[3];
    for (double &value : v)
        if (!readDouble(p, value))
            return false;
    for (double value : v)
        if (!std::isfinite(static_cast<float>(value)))
            return false;
    depth = v[0];
    inclination = v[1];
    azimuth = v[2];
    return true;
}

} // namespace cscan
