#include "core/cformat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Directive
{
    bool left = false;  // '-'
    bool plus = false;  // '+'
    bool space = false; // ' '
    bool zero = false;  // '0'
    int width = 0;
    int precision = -1;
};

// Pads `body` (sign included) to the width; zero padding goes between sign and digits.
void emit(std::string &out, const Directive &dir, std::string_view body, bool zeroPadAllowed)
{
    const int pad = dir.width - static_cast<int>(body.size());
    if (pad <= 0) {
        out.append(body);
    } else if (dir.left) {
        out.append(body);
        out.append(static_cast<size_t>(pad), ' ');
    } else if (dir.zero && zeroPadAllowed) {
        size_t signLen = 0;
        if (!body.empty() && (body[0] == '-' || body[0] == '+' || body[0] == ' '))
            signLen = 1;
        if (body.size() > signLen + 1 && body[signLen] == '0'
            && (body[signLen + 1] == 'x' || body[signLen + 1] == 'X'))
            signLen += 2;
        out.append(body.substr(0, signLen));
        out.append(static_cast<size_t>(pad), '0');
        out.append(body.substr(signLen));
    } else {
        out.append(static_cast<size_t>(pad), ' ');
        out.append(body);
    }
}

// "%.Nf" of a moderate value, the program's most frequent conversion, without the
// general conversion's cost. The product with 10^N is rounded once, so its error is
// below scaled * 2^-52; unless the exact value might lie that close to a half-way
// point, rounding the product gives printf's digits. Returns 0 when it cannot decide.
size_t fastFixed(char *buf, double mag, int precision)
{
    static constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    if (precision > 9)
        return 0;
    const double scaled = mag * kPow10[precision];
    if (!(scaled < 4e15))
        return 0;
    const auto whole = static_cast<std::uint64_t>(scaled);
    const double frac = scaled - static_cast<double>(whole); // exact below 2^52
    if (std::fabs(frac - 0.5) <= scaled * 0x1p-52 + 0x1p-1000)
        return 0;
    std::uint64_t n = whole + (frac > 0.5 ? 1 : 0);
    // The digits from the last one backwards, at least one before the point.
    char digits[32];
    char *const end = digits + sizeof digits;
    char *p = end;
    for (int k = 0; k < precision; ++k) {
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    if (precision > 0)
        *--p = '.';
    do {
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    const auto len = static_cast<size_t>(end - p);
    std::memcpy(buf, p, len);
    return len;
}

// "%.Pg" of a non-zero value whose decimal exponent lies in the fixed range, through
// fastFixed: the exponent X after rounding to P digits decides the precision P-1-X of
// the fixed form, then trailing zeros go. Returns 0 when it cannot decide.
// log10 may round up to the next integer for a value a few units in the last place
// below a power of ten (relative distance up to about 4e-15). Rounded to P-1 digits
// such a value reaches the power and seems to confirm the wrong exponent; with P up to
// 14 it reaches the power at P digits too, so the exponent is right after all. With
// more digits it need not, so those go the general way.
size_t fastGeneral(char *buf, double mag, int precision)
{
    const int P = precision == 0 ? 1 : precision;
    if (!(mag >= 1e-4) || !(mag < 1e15) || P > 14)
        return 0;
    int X = static_cast<int>(std::floor(std::log10(mag)));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int q = P - 1 - X;
        if (X < -4 || X >= P || q < 0 || q > 9)
            return 0;
        const size_t n = fastFixed(buf, mag, q);
        if (n == 0)
            return 0;
        // Digits before the point of the rounded value tell its real exponent.
        size_t intDigits = 0;
        while (intDigits < n && buf[intDigits] != '.')
            ++intDigits;
        int realX = 0;
        if (intDigits > 1 || buf[0] != '0') {
            realX = static_cast<int>(intDigits) - 1;
        } else {
            size_t k = intDigits + 1;
            while (k < n && buf[k] == '0')
                ++k;
            if (k == n)
                return 0;
            realX = -static_cast<int>(k - intDigits);
        }
        if (realX != X) {
            X = realX;
            continue;
        }
        size_t len = n;
        if (intDigits < n) {
            while (len > intDigits + 1 && buf[len - 1] == '0')
                --len;
            if (len == intDigits + 1)
                --len; // no digits after the point: no point either
        }
        return len;
    }
    return 0;
}

void formatFloat(std::string &out, const Directive &dir, char conv, double v)
{
    const bool upper = conv == 'F' || conv == 'E' || conv == 'G';
    const char lower = static_cast<char>(conv | 0x20);
    const int precision = dir.precision < 0 ? 6 : dir.precision;
    // Fixed notation of a large value needs up to 309 digits before the point; the
    // common case fits the stack buffer.
    char small[128];
    std::vector<char> large;
    char *buf = small;
    size_t size = sizeof small;
    if (precision + 400 > static_cast<int>(sizeof small)) {
        large.resize(static_cast<size_t>(precision) + 400);
        buf = large.data();
        size = large.size();
    }
    size_t len = 0;
    if (std::signbit(v))
        buf[len++] = '-';
    else if (dir.plus)
        buf[len++] = '+';
    else if (dir.space)
        buf[len++] = ' ';
    const bool finite = std::isfinite(v);
    if (!finite) {
        const char *word = std::isnan(v) ? "nan" : "inf";
        std::memcpy(buf + len, word, 3);
        len += 3;
    } else if (size_t n = lower == 'f'   ? fastFixed(buf + len, std::fabs(v), precision)
                          : lower == 'g' ? fastGeneral(buf + len, std::fabs(v), precision)
                                         : 0) {
        len += n;
    } else {
        const std::chars_format fmt = lower == 'f'   ? std::chars_format::fixed
                                      : lower == 'e' ? std::chars_format::scientific
                                                     : std::chars_format::general;
        auto res = std::to_chars(buf + len, buf + size, std::fabs(v), fmt, precision);
        if (res.ec != std::errc()) {
            // Only a fixed conversion of a huge value can outgrow the small buffer.
            large.resize(static_cast<size_t>(precision) + 400);
            std::memcpy(large.data(), buf, len);
            buf = large.data();
            size = large.size();
            res = std::to_chars(buf + len, buf + size, std::fabs(v), fmt, precision);
        }
        len = static_cast<size_t>(res.ptr - buf);
    }
    if (upper) {
        for (size_t i = 0; i < len; ++i) {
            if (buf[i] >= 'a' && buf[i] <= 'z')
                buf[i] = static_cast<char>(buf[i] - 32);
        }
    }
    emit(out, dir, std::string_view(buf, len), finite);
}

void formatInteger(std::string &out, const Directive &dir, char conv, std::int64_t sv, std::uint64_t uv)
{
    std::string body;
    bool negative = false;
    std::uint64_t magnitude = uv;
    if (conv == 'd' || conv == 'i') {
        negative = sv < 0;
        magnitude = negative ? static_cast<std::uint64_t>(-(sv + 1)) + 1 : static_cast<std::uint64_t>(sv);
    }
    char digits[32];
    const int base = (conv == 'x' || conv == 'X') ? 16 : (conv == 'o' ? 8 : 10);
    auto res = std::to_chars(digits, digits + sizeof digits, magnitude, base);
    std::string num(digits, res.ptr);
    if (conv == 'X') {
        for (char &c : num) {
            if (c >= 'a' && c <= 'f')
                c = static_cast<char>(c - 32);
        }
    }
    if (dir.precision >= 0) {
        if (dir.precision == 0 && magnitude == 0)
            num.clear();
        else if (static_cast<int>(num.size()) < dir.precision)
            num.insert(0, static_cast<size_t>(dir.precision) - num.size(), '0');
    }
    if (negative)
        body += '-';
    else if ((conv == 'd' || conv == 'i') && dir.plus)
        body += '+';
    else if ((conv == 'd' || conv == 'i') && dir.space)
        body += ' ';
    body += num;
    emit(out, dir, body, dir.precision < 0);
}

} // namespace

std::string vcfmt(const char *format, va_list args)
{
    std::string out;
    out.reserve(96);
    vcfmtAppend(out, format, args);
    return out;
}

void cfmtAppend(std::string &out, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    vcfmtAppend(out, format, args);
    va_end(args);
}

void vcfmtAppend(std::string &out, const char *format, va_list args)
{
    const char *p = format;
    while (*p) {
        if (*p != '%') {
            const char *next = std::strchr(p, '%');
            if (!next) {
                out.append(p);
                break;
            }
            out.append(p, next);
            p = next;
            continue;
        }
        ++p; // '%'
        if (*p == '%') {
            out += '%';
            ++p;
            continue;
        }
        Directive dir;
        for (;; ++p) {
            if (*p == '-')
                dir.left = true;
            else if (*p == '+')
                dir.plus = true;
            else if (*p == ' ')
                dir.space = true;
            else if (*p == '0')
                dir.zero = true;
            else if (*p == '#')
                continue; // not used by the program; ignored
            else
                break;
        }
        if (*p == '*') {
            dir.width = va_arg(args, int);
            if (dir.width < 0) {
                dir.left = true;
                dir.width = -dir.width;
            }
            ++p;
        } else {
            while (*p >= '0' && *p <= '9')
                dir.width = dir.width * 10 + (*p++ - '0');
        }
        if (*p == '.') {
            ++p;
            dir.precision = 0;
            if (*p == '*') {
                dir.precision = va_arg(args, int);
                if (dir.precision < 0)
                    dir.precision = -1;
                ++p;
            } else {
                while (*p >= '0' && *p <= '9')
                    dir.precision = dir.precision * 10 + (*p++ - '0');
            }
        }
        int longs = 0;
        bool sizeT = false;
        for (;; ++p) {
            if (*p == 'l')
                ++longs;
            else if (*p == 'h' || *p == 'L')
                continue;
            else if (*p == 'z')
                sizeT = true;
            else
                break;
        }
        const char conv = *p;
        if (conv == '\0')
            break;
        ++p;
        switch (conv) {
        case 'd':
        case 'i': {
            std::int64_t v = sizeT ? static_cast<std::int64_t>(va_arg(args, std::size_t))
                             : longs >= 2 ? va_arg(args, long long)
                             : longs == 1 ? va_arg(args, long)
                                          : va_arg(args, int);
            formatInteger(out, dir, conv, v, 0);
            break;
        }
        case 'u':
        case 'x':
        case 'X':
        case 'o': {
            std::uint64_t v = sizeT        ? va_arg(args, std::size_t)
                              : longs >= 2 ? va_arg(args, unsigned long long)
                              : longs == 1 ? va_arg(args, unsigned long)
                                           : va_arg(args, unsigned int);
            formatInteger(out, dir, conv, 0, v);
            break;
        }
        case 'c': {
            const char c = static_cast<char>(va_arg(args, int));
            emit(out, dir, std::string_view(&c, 1), false);
            break;
        }
        case 's': {
            const char *s = va_arg(args, const char *);
            std::string_view sv = s ? std::string_view(s) : std::string_view("(null)");
            if (dir.precision >= 0 && sv.size() > static_cast<size_t>(dir.precision))
                sv = sv.substr(0, static_cast<size_t>(dir.precision));
            emit(out, dir, sv, false);
            break;
        }
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
            formatFloat(out, dir, conv, va_arg(args, double));
            break;
        default:
            // Unknown conversion: written as it stands.
            out += '%';
            out += conv;
            break;
        }
    }
}

std::string cfmt(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::string out = vcfmt(format, args);
    va_end(args);
    return out;
}

void appendFixed(std::string &out, double value, int width, int precision)
{
    // The common case without the general conversion's buffers and padding rules.
    if (precision >= 0 && width >= 0 && width < 40 && std::isfinite(value)) {
        // Room for the padding before the body, the sign and at most 32 digits and point.
        char field[80];
        char *body = field + 40;
        size_t len = fastFixed(body + 1, std::fabs(value), precision);
        if (len != 0) {
            if (std::signbit(value)) {
                *body = '-';
                ++len;
            } else {
                ++body;
            }
            while (len < static_cast<size_t>(width)) {
                *--body = ' ';
                ++len;
            }
            out.append(body, len);
            return;
        }
    }
    Directive dir;
    dir.width = width;
    dir.precision = precision;
    formatFloat(out, dir, 'f', value);
}

void appendGeneral(std::string &out, double value, int width, int precision)
{
    Directive dir;
    dir.width = width;
    dir.precision = precision;
    formatFloat(out, dir, 'g', value);
}
