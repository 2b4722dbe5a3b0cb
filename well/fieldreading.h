// What a magnetic survey tool measured at a station besides its direction: the total
// magnetic field, the dip of the field and the total gravity, with the reference values and
// tolerances the survey file states for them. They let a survey be checked for magnetic
// interference (surveycheck/). They are kept beside the survey, keyed by the station's
// measured depth, so that editing the stations never hands a reading to another station
// and a station without one costs nothing. No Qt.
#pragma once

#include <array>
#include <cstddef>
#include <cmath>
#include <optional>

namespace well {

// The three quantities, in the units the program holds them in.
enum class FieldQuantity : int {
    TotalField = 0, // nT
    Dip = 1, // degrees, positive downward
    Gravity = 2, // m/s²
};
inline constexpr std::size_t kFieldQuantities = 3;

struct FieldReading
{
    double md = 0; // metres, the station's measured depth
    std::array<std::optional<double>, kFieldQuantities> measured;
    // What the file states as the expected value and the accepted deviation; unset: the
    // well's settings and the usual tolerances stand in.
    std::array<std::optional<double>, kFieldQuantities> reference;
    std::array<std::optional<double>, kFieldQuantities> tolerance;

    const std::optional<double> &measuredOf(FieldQuantity q) const
    {
        return measured[static_cast<std::size_t>(q)];
    }
    bool anyMeasured() const
    {
        return measured[0] || measured[1] || measured[2];
    }
    bool operator==(const FieldReading &) const = default;
};

// The values a reading may hold, wherever it comes from (a file, the document): a total
// field and a gravity that are positive and far from absurd (up to ten times the strongest
// field and gravity on the earth), a dip of -90 to 90 degrees; a tolerance that is positive
// and no larger than such a value.
inline bool validFieldValue(FieldQuantity q, double value)
{
    if (!std::isfinite(value))
        return false;
    switch (q) {
    case FieldQuantity::TotalField:
        return value > 0 && value <= 1e6;
    case FieldQuantity::Dip:
        return value >= -90 && value <= 90;
    case FieldQuantity::Gravity:
        return value > 0 && value <= 100;
    }
    return false;
}
inline bool validFieldTolerance(FieldQuantity q, double value)
{
    return std::isfinite(value) && value > 0
        && (q == FieldQuantity::Dip ? value <= 180 : validFieldValue(q, value));
}

} // namespace well
