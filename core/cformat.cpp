#include "core/cformat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Spec
{
    bool left = false;  // '-'
    bool plus = false;  // '+'
    bool space = false; // ' '
    bool zero = false;  // '0'
    int width = 0;
    int precision = -1;
};

// Pads `body` (sign included) to the width; zero padding goes between sign and digits.
void emit(std::string &out, const Spec &spec, std::string_view body, bool zeroPadAllowed)
{
    const int pad = spec.width - static_cast<int>(body.size());
    if (pad <= 0) {
        out.append(body);
    } else if (spec.left) {
        out.append(body);
        out.append(static_cast<size_t>(pad), ' ');
    } else if (spec.zero && zeroPadAllowed) {
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

void formatFloat(std::string &out, const Spec &spec, char conv, double v)
{
    const bool upper = conv == 'F' || conv == 'E' || conv == 'G';
    const char lower = static_cast<char>(conv | 0x20);
    const int precision = spec.precision < 0 ? 6 : spec.precision;
    std::string body;
    const bool negative = std::signbit(v);
    if (negative)
        body += '-';
    else if (spec.plus)
        body += '+';
    else if (spec.space)
        body += ' ';
    const double mag = std::fabs(v);
    bool finite = std::isfinite(v);
    if (!finite) {
        body += std::isnan(v) ? "nan" : "inf";
    } else {
        std::chars_format fmt = lower == 'f'   ? std::chars_format::fixed
                                : lower == 'e' ? std::chars_format::scientific
                                               : std::chars_format::general;
        // Fixed notation of a large value needs up to 309 digits before the point.
        std::vector<char> buf(static_cast<size_t>(precision) + 400);
        auto res = std::to_chars(buf.data(), buf.data() + buf.size(), mag, fmt, precision);
        body.append(buf.data(), res.ptr);
    }
    if (upper) {
        for (char &c : body) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 32);
        }
    }
    emit(out, spec, body, finite);
}

void formatInteger(std::string &out, const Spec &spec, char conv, std::int64_t sv, std::uint64_t uv)
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
    if (spec.precision >= 0) {
        if (spec.precision == 0 && magnitude == 0)
            num.clear();
        else if (static_cast<int>(num.size()) < spec.precision)
            num.insert(0, static_cast<size_t>(spec.precision) - num.size(), '0');
    }
    if (negative)
        body += '-';
    else if ((conv == 'd' || conv == 'i') && spec.plus)
        body += '+';
    else if ((conv == 'd' || conv == 'i') && spec.space)
        body += ' ';
    body += num;
    emit(out, spec, body, spec.precision < 0);
}

} // namespace

std::string vcfmt(const char *format, va_list args)
{
    std::string out;
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
        Spec spec;
        for (;; ++p) {
            if (*p == '-')
                spec.left = true;
            else if (*p == '+')
                spec.plus = true;
            else if (*p == ' ')
                spec.space = true;
            else if (*p == '0')
                spec.zero = true;
            else if (*p == '#')
                continue; // not used by the program; ignored
            else
                break;
        }
        if (*p == '*') {
            spec.width = va_arg(args, int);
            if (spec.width < 0) {
                spec.left = true;
                spec.width = -spec.width;
            }
            ++p;
        } else {
            while (*p >= '0' && *p <= '9')
                spec.width = spec.width * 10 + (*p++ - '0');
        }
        if (*p == '.') {
            ++p;
            spec.precision = 0;
            if (*p == '*') {
                spec.precision = va_arg(args, int);
                if (spec.precision < 0)
                    spec.precision = -1;
                ++p;
            } else {
                while (*p >= '0' && *p <= '9')
                    spec.precision = spec.precision * 10 + (*p++ - '0');
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
            formatInteger(out, spec, conv, v, 0);
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
            formatInteger(out, spec, conv, 0, v);
            break;
        }
        case 'c': {
            const char c = static_cast<char>(va_arg(args, int));
            emit(out, spec, std::string_view(&c, 1), false);
            break;
        }
        case 's': {
            const char *s = va_arg(args, const char *);
            std::string_view sv = s ? std::string_view(s) : std::string_view("(null)");
            if (spec.precision >= 0 && sv.size() > static_cast<size_t>(spec.precision))
                sv = sv.substr(0, static_cast<size_t>(spec.precision));
            emit(out, spec, sv, false);
            break;
        }
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
            formatFloat(out, spec, conv, va_arg(args, double));
            break;
        default:
            // Unknown conversion: written as it stands.
            out += '%';
            out += conv;
            break;
        }
    }
    return out;
}

std::string cfmt(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::string out = vcfmt(format, args);
    va_end(args);
    return out;
}
