#include "core/decimalsign.h"

#include <charconv>
#include <cmath>

namespace decimalsign {

namespace {

    // Appends the text of a conversion: without the sign of a value that is or rounds to
    // zero, and with `sign` as the decimal sign.
    void finish(std::string &out, std::string_view text, Sign sign)
    {
        if (text.front() == '-' && text.find_first_not_of("-0.") == std::string_view::npos)
            text.remove_prefix(1);
        const std::size_t start = out.size();
        out.append(text);
        if (sign != Sign::Point) {
            if (const std::size_t at = text.find('.'); at != std::string_view::npos)
                out[start + at] = static_cast<char>(sign);
        }
    }

} // namespace

void appendShortest(std::string &out, double value, Sign sign)
{
    if (!std::isfinite(value))
        return;
    char buffer[400]; // enough for any finite double in fixed form
    const std::to_chars_result r
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    finish(out, std::string_view(buffer, static_cast<std::size_t>(r.ptr - buffer)), sign);
}

void appendFixed(std::string &out, double value, int decimals, Sign sign)
{
    if (!std::isfinite(value))
        return;
    char buffer[720]; // 309 digits before the point and up to 400 after
    const std::to_chars_result r
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
            decimals < 0         ? 0
                : decimals > 400 ? 400
                                 : decimals);
    finish(out, std::string_view(buffer, static_cast<std::size_t>(r.ptr - buffer)), sign);
}

std::string shortest(double value, Sign sign)
{
    std::string text;
    appendShortest(text, value, sign);
    return text;
}

std::string general(double value, Sign sign)
{
    std::string text;
    if (!std::isfinite(value))
        return text;
    constexpr int kWidth = 8;
    char buffer[32];
    const auto write = [&](int digits) {
        const std::to_chars_result r = std::to_chars(
            buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
        return std::string_view(buffer, static_cast<std::size_t>(r.ptr - buffer));
    };
    const auto fits = [value](std::string_view shown) {
        return shown.size() - (value < 0 ? 1 : 0) <= static_cast<std::size_t>(kWidth);
    };
    // The fewest digits that give the same single-precision value: what was typed into the
    // spreadsheet, without the noise that single precision adds in the eighth digit.
    const float single = static_cast<float>(value);
    std::string_view shown;
    for (int digits = 1; digits <= kWidth; ++digits) {
        shown = write(digits);
        double back = 0;
        std::from_chars(shown.data(), shown.data() + shown.size(), back);
        if (fits(shown) && shown.find('e') == std::string_view::npos
            && static_cast<float>(back) == single) {
            finish(text, shown, sign);
            return text;
        }
    }
    // Else as many digits as fit.
    for (int digits = kWidth; digits >= 1; --digits) {
        shown = write(digits);
        if (fits(shown))
            break;
    }
    finish(text, shown, sign);
    return text;
}

std::string fixed(double value, int decimals, Sign sign)
{
    std::string text;
    appendFixed(text, value, decimals, sign);
    return text;
}

std::optional<double> read(std::string_view text, Accept accept)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);

    const auto isSign = [accept](char c) {
        return (c == '.' && accept != Accept::Comma) || (c == ',' && accept != Accept::Point);
    };
    // Checked by hand so that nothing but sign, digits, one decimal sign and an exponent
    // passes (from_chars alone would take "inf" and stop silently at a second comma);
    // then converted in the C notation.
    // The C notation never needs more characters than the text; a short text (every
    // number of a table) is copied on the stack, since a table reads millions of them.
    char local[64];
    std::string heap;
    char *plain = local;
    if (text.size() > sizeof local) {
        heap.resize(text.size());
        plain = heap.data();
    }
    std::size_t n = 0;
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-')
            plain[n++] = '-';
        ++i;
    }
    const auto takeDigits = [&] {
        int count = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++count)
            plain[n++] = text[i];
        return count;
    };
    int digits = takeDigits();
    if (i < text.size() && isSign(text[i])) {
        plain[n++] = '.';
        ++i;
        digits += takeDigits();
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain[n++] = 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain[n++] = text[i++];
        if (takeDigits() == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain, plain + n, value);
    if (error != std::errc() || end != plain + n || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace decimalsign
