// The settings of one borehole that place it in the field: the wellhead in the project's
// coordinate reference system, the elevation of the depth reference, the north that the
// measured azimuths refer to with the angles between the norths, the azimuth of the
// vertical section and the length unit of listings. A plain value kept with the document
// and stored as UTF-8 JSON after the document file's four items. No Qt.
#pragma once

#include "core/units.h"

#include <optional>
#include <string>
#include <string_view>

// The north that the measured azimuths refer to.
enum class NorthReference {
    True, // geographic north
    Grid, // north of the projected coordinate system
    Magnetic, // magnetic north at the time of the survey
};

// Easting (Rechtswert) and northing (Hochwert) of the wellhead, metres, in the
// coordinate reference system of WellSettings::epsg.
struct Wellhead
{
    double easting = 0.0;
    double northing = 0.0;

    bool operator==(const Wellhead &) const = default;
};

// The error model of the survey tool that gives the positional uncertainty of the
// stations (ISCWSA MWD revisions 4 and 5), and its geomagnetic inputs. The declination
// and the north of the azimuths are the well's own (below).
enum class ErrorModel {
    None,
    IscwsaMwdRev4,
    IscwsaMwdRev5,
};

struct UncertaintySettings
{
    ErrorModel model = ErrorModel::None;
    // Latitude of the wellhead, degrees north; unset: from the wellhead when the well is
    // placed on the map.
    std::optional<double> latitude;
    double gravity = 9.80665; // m/s²
    std::optional<double> totalField; // nT
    std::optional<double> dip; // degrees, positive downward
    double ellipseSigma = 2; // the multiple of σ that ellipses and bands show

    bool operator==(const UncertaintySettings &) const = default;
};

// Angles are in degrees as the user enters them, azimuths clockwise from north.
//
// Conventions that every user of these angles keeps:
//   grid azimuth = true azimuth - grid convergence
//     (the convergence is positive where grid north lies east of true north);
//   true azimuth = magnetic azimuth + declination
//     (the declination is positive where magnetic north lies east of true north).
// So a survey measured against magnetic north is turned to grid north by
// declination - convergence, one measured against true north by -convergence.
//
// Unset values are really unknown: nothing may put zero in their place when a position
// on the map depends on them.
struct WellSettings
{
    std::optional<Wellhead> wellhead;
    // Elevation of the depth reference (the zero of measured depth) above sea level,
    // metres; the depth below sea level of a point is elevation - TVD.
    std::optional<double> elevation;
    // EPSG code of the projected coordinate reference system of the wellhead.
    std::optional<int> epsg;
    NorthReference north = NorthReference::True;
    std::optional<double> gridConvergence;
    std::optional<double> declination;
    // Azimuth of the vertical section, in the north of the stations. Unset: the direction
    // of the final displacement.
    std::optional<double> sectionAzimuth;
    LengthUnit unit = LengthUnit::Metre;
    UncertaintySettings uncertainty;
    // Members of the stored JSON that this program does not know (written by a later
    // version), as one compact JSON object; empty when there are none. They are written
    // back unchanged after the known members.
    std::string otherMembers;

    // Nothing set: such a document is stored without settings, in the four items alone.
    bool empty() const { return *this == WellSettings {}; }

    // The angle to add to a measured azimuth to refer it to grid north, or to true north;
    // none while an angle that the turn needs is not set.
    std::optional<double> turnToGrid() const;
    std::optional<double> turnToTrue() const;

    bool operator==(const WellSettings &) const = default;
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
// The error model's inputs. Latitude and dip of the field: -90 to 90 degrees. Gravity
// and total field: within the widest range found on the earth's surface and a margin;
// outside it a value is a slip of the unit (gal, µT, gauss), not a place.
bool validLatitude(double degrees);
bool validGravity(double metresPerSecond2);
bool validTotalField(double nanotesla);
bool validDip(double degrees);
// The multiple of σ of ellipses and bands: above 0, at most 10.
bool validEllipseSigma(double sigmas);
inline constexpr double kMinGravity = 9.0, kMaxGravity = 10.5; // m/s²
inline constexpr double kMinTotalField = 10000, kMaxTotalField = 100000; // nT
inline constexpr double kMaxEllipseSigma = 10;
// The ranges as the faults name them (UTF-8).
inline constexpr const char *kGravityRange = "von 9 bis 10,5 m/s²";
inline constexpr const char *kTotalFieldRange = "von 10000 bis 100000 nT";
inline constexpr const char *kEllipseSigmaRange = "größer als 0 und höchstens 10";

// ---- the stored form ----
// Compact JSON text of the settings (UTF-8), known members first in a fixed order, then
// the other members. Only values that are set, or differ from the default, are written,
// so equal settings always give equal text.
std::string settingsToJson(const WellSettings &settings);

// Reads settings from JSON text. The text must be one JSON object, nested at most
// kMaxSettingsDepth deep; every known member must have its type and lie within its
// limits; a wellhead needs both coordinates. On failure `out` is untouched and `fault`
// (if given) names the first problem in German.
inline constexpr int kMaxSettingsDepth = 64;
bool settingsFromJson(std::string_view json, WellSettings &out, std::string *fault = nullptr);

// "EPSG:25832" (the prefix in any case) into 25832; none for anything else.
std::optional<int> parseEpsg(std::string_view text);
