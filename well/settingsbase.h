// What the settings of every layer share: the wellhead, where the well or a neighbour
// stands, and the limits of the lengths and angles that place them. Below the well's own
// settings, the error model's and the clearance layer's, so that each of them can check
// its values without the others. No Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Easting (Rechtswert) and northing (Hochwert) of the wellhead, metres, in the
// coordinate reference system of WellSettings::epsg.
struct Wellhead
{
    double easting = 0.0;
    double northing = 0.0;

    bool operator==(const Wellhead &) const = default;
};

// A day of the Gregorian calendar, such as the day a survey was measured.
struct CalendarDate
{
    int year = 0;
    int month = 0;
    int day = 0;

    bool operator==(const CalendarDate &) const = default;
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

// "2025-03-14" (four digits, two, two) into a day the calendar has, years 1 to 9999; none
// for anything else, such as 2025-02-29.
std::optional<CalendarDate> parseIsoDate(std::string_view text);
// The day as "2025-03-14".
std::string isoDate(const CalendarDate &date);
