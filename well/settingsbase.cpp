// The limits of the lengths and angles that place a well, and the EPSG code's text.
#include "well/settingsbase.h"

#include <charconv>
#include <cmath>

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
