// The units of the program in one place: metres and the international foot, degrees and
// radians, and the dogleg per 30 m or per 100 ft. Stations, the results table and the
// stored lengths are always metres and degrees; only what is shown, typed or written out
// is converted, through these functions. No Qt.
#pragma once

#include <string>

// The unit of lengths in listings, exports, the section view and the new dialogs.
enum class LengthUnit {
    Metre,
    Foot,
};

namespace units {

// The international foot (1959), exactly.
inline constexpr double kMetresPerFoot = 0.3048;

// Lengths between metres and the unit shown.
constexpr double fromMetres(double metres, LengthUnit unit)
{
    return unit == LengthUnit::Foot ? metres / kMetresPerFoot : metres;
}
// Feet to metres as 3048/10000 of the feet: a whole or half foot then gives the double
// nearest to its exact length (1 ft: 0.3048, 3 ft: 0.9144), which a product with 0.3048
// (itself not a double) misses by an ulp now and then; every other length is within an
// ulp either way.
constexpr double feetToMetres(double feet)
{
    return feet * 3048.0 / 10000.0;
}

constexpr double toMetres(double value, LengthUnit unit)
{
    return unit == LengthUnit::Foot ? feetToMetres(value) : value;
}

// pi / 180: 4 atan(1) and the literal round to the same double.
inline constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

constexpr double radians(double degrees)
{
    return degrees * kRadiansPerDegree;
}
constexpr double degrees(double radians)
{
    return radians / kRadiansPerDegree;
}

// The dogleg is computed per 30 m (the results table's "JE 30 M"); in feet it is given
// per 100 ft, the same angle over 30.48 m instead of 30 m.
inline constexpr double kDoglegLengthMetres = 30.0;
inline constexpr double kDoglegLengthFeet = 100.0;

constexpr double doglegRate(double perThirtyMetres, LengthUnit unit)
{
    return unit == LengthUnit::Foot
        ? perThirtyMetres * (kDoglegLengthFeet * kMetresPerFoot / kDoglegLengthMetres)
        : perThirtyMetres;
}

// "m" or "ft".
const char *unitName(LengthUnit unit);
// "°/30 m" or "°/100 ft", UTF-8.
const char *doglegUnitName(LengthUnit unit);
// "°", UTF-8.
inline constexpr const char *kDegreeSign = "\xC2\xB0";

// "m" or "ft" as typed; false for anything else.
bool parseUnit(const std::string &text, LengthUnit &unit);

} // namespace units
