// What the settings of every layer share: the wellhead, where the well or a neighbour
// stands, and the limits of the lengths and angles that place them. Below the well's own
// settings, the error model's and the clearance layer's, so that each of them can check
// its values without the others. No Qt.
#pragma once

#include <optional>
#include <string_view>

// Easting (Rechtswert) and northing (Hochwert) of the wellhead, metres, in the
// coordinate reference system of WellSettings::epsg.
struct Wellhead
{
    double easting = 0.0;
    double northing = 0.0;

    bool operator==(const Wellhead &) const = default;
};

// ---- limits of the values, shared by the file and the command line ----
// An EPSG code: a positive number of at most six digits.
bool validEpsg(long long code);
// Grid convergence and declination: finite, at most 180 degrees either way.
bool validTurnAngle(double degrees);
// Section azimuth: from 0 to 360 degrees.
bool validAzimuth(double degrees);
// Coordinates and the elevation: finite and within 1e9 m.
bool validLength(double metres);

// "EPSG:25832" (the prefix in any case) into 25832; none for anything else.
std::optional<int> parseEpsg(std::string_view text);
