// The Earth's main magnetic field at a place and a date, from the geomagnetic reference
// models shipped with the program: declination, inclination (dip) and intensity, as a
// survey's magnetic reference needs them instead of values typed by hand.
//
// The model follows the date: WMM2025 from 2025.0 to 2030.0, WMM2020 from 2020.0,
// WMM2015v2 from 2015.0, and IGRF-14 from 1900.0 to 2015.0. IGRF-14 also covers the later
// years, but the World Magnetic Model is the reference the industry works to there.
#pragma once

#include <optional>
#include <string>

namespace magnetic {

struct Field
{
    double declinationDeg = 0; // east of true north positive
    double inclinationDeg = 0; // below the horizontal positive
    double totalNt = 0; // F
    double horizontalNt = 0; // H
    double northNt = 0, eastNt = 0, downNt = 0; // X, Y, Z
    std::string model; // "WMM2025", "IGRF-14", ...
};

// The field, or why there is none: a German text (in the chosen language, UTF-8).
struct FieldResult
{
    std::optional<Field> field;
    std::string error;
    explicit operator bool() const { return field.has_value(); }
};

// What the models cover. Heights from the deepest boreholes to far above any survey; the
// main field's expansion holds in that whole shell.
inline constexpr double kFirstYear = 1900.0;
inline constexpr double kLastYear = 2030.0;
inline constexpr double kLowestHeightM = -15000.0;
inline constexpr double kHighestHeightM = 1000000.0;

// The field at a geodetic latitude and longitude (degrees, WGS 84; the longitude east
// positive, from -360 to 360) and a height above the WGS 84 ellipsoid (metres), for a
// decimal year (see decimalyear.h).
FieldResult fieldAt(double latitudeDeg, double longitudeDeg, double heightM, double decimalYear);

} // namespace magnetic
