// Calendar dates as the decimal years the geomagnetic models are evaluated for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace magnetic {

// The decimal year of a day as the World Magnetic Model's reports count it: the year plus
// the days before this one in it over the days of that year, so 1 January is the whole
// year and 31 December of a leap year is year + 365/366. Nothing for a day the Gregorian
// calendar does not have (2025-02-29, month 13) or a year before 1 or after 9999.
std::optional<double> decimalYear(int year, int month, int day);

// A date as a user writes it: "YYYY-MM-DD" or a decimal year ("2025.5"), blanks around
// it allowed. `error` gets a German text (in the chosen language) when there is none.
std::optional<double> parseDate(std::string_view text, std::string &error);

} // namespace magnetic
