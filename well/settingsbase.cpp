// The limits of the lengths and angles that place a well, and the EPSG code's text.
#include "well/settingsbase.h"

#include <charconv>
#include <cmath>
#include <cstdio>

bool validEpsg(long long code)
{
    return code >= 1 && code <= 999999;
}

bool validTurnAngle(double degrees)
{
    return std::isfinite(degrees) && std::fabs(degrees) <= 180.0;
}

bool validAzimuth(double degrees)
{
    return std::isfinite(degrees) && degrees >= 0.0 && degrees <= 360.0;
}

bool validLength(double metres)
{
    return std::isfinite(metres) && std::fabs(metres) <= 1e9;
}

std::optional<int> parseEpsg(std::string_view text)
{
    constexpr std::string_view prefix = "EPSG:";
    if (text.size() <= prefix.size())
        return std::nullopt;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c
            = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
        if (c != prefix[i])
            return std::nullopt;
    }
    const std::string_view digits = text.substr(prefix.size());
    if (digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int code = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (!validEpsg(code))
        return std::nullopt;
    return code;
}

namespace {

bool leapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    constexpr int days[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && leapYear(year) ? 29 : days[month - 1];
}

std::optional<int> digitsAt(std::string_view text, std::size_t from, std::size_t count)
{
    const std::string_view digits = text.substr(from, count);
    if (digits.size() != count || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

} // namespace

std::optional<CalendarDate> parseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = digitsAt(text, 0, 4), month = digitsAt(text, 5, 2), day = digitsAt(text, 8, 2);
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1
        || *day > daysInMonth(*year, *month))
        return std::nullopt;
    return CalendarDate { *year, *month, *day };
}

std::string isoDate(const CalendarDate &date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}
