#include "magnetic/decimalyear.h"

#include "i18n/i18n.h"

#include <charconv>
#include <cmath>

namespace magnetic {

namespace {

    bool leap(int year)
    {
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    }

    int daysInMonth(int year, int month)
    {
        constexpr int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
        return month == 2 && leap(year) ? 29 : days[month - 1];
    }

    // Exactly `digits` decimal digits at the start of `text`, taken off it.
    bool digits(std::string_view &text, std::size_t count, int &value)
    {
        if (text.size() < count)
            return false;
        value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return false;
            value = value * 10 + (text[i] - '0');
        }
        text.remove_prefix(count);
        return true;
    }

} // namespace

std::optional<double> decimalYear(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1
        || day > daysInMonth(year, month))
        return std::nullopt;
    int before = day - 1;
    for (int m = 1; m < month; ++m)
        before += daysInMonth(year, m);
    return year + before / (leap(year) ? 366.0 : 365.0);
}

std::optional<double> parseDate(std::string_view text, std::string &error)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        std::string_view rest = text;
        int year = 0, month = 0, day = 0;
        const bool shaped = digits(rest, 4, year) && !rest.empty() && (rest.remove_prefix(1), true)
            && digits(rest, 2, month) && !rest.empty() && (rest.remove_prefix(1), true)
            && digits(rest, 2, day) && rest.empty();
        if (shaped) {
            if (const auto value = decimalYear(year, month, day))
                return value;
            error = i18n::arg(
                i18n::translate("Magnetfeld", "Den Tag %1 gibt es im Kalender nicht."), { text });
            return std::nullopt;
        }
    }
    double value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (!text.empty() && ec == std::errc() && ptr == end && std::isfinite(value))
        return value;
    error = i18n::arg(i18n::translate("Magnetfeld",
                          "„%1“ ist kein Datum: erwartet wird JJJJ-MM-TT oder ein Dezimaljahr "
                          "(z.B. 2025-06-30 oder 2025.5)."),
        { text });
    return std::nullopt;
}

} // namespace magnetic
