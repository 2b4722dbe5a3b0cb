// The settings of one borehole that place it in the field: the wellhead in the project's
// coordinate reference system, the elevation of the depth reference, the north that the
// measured azimuths refer to with the angles between the norths, the azimuth of the
// vertical section and the length unit of listings. A plain value kept with the document
// and stored as UTF-8 JSON after the document file's four items. No Qt.
#pragma once

#include "core/units.h"
#include "i18n/i18n.h"
#include "well/station.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// A neighbouring (offset) well that the clearance scan compares the well with. Its
// stations are copied in, so that a document holds all it is checked against. Their
// azimuths refer to the same kind of north as the well's own (the import turns them),
// measured at the offset's own slot.
struct OffsetWell
{
    std::string name; // UTF-8; no two offsets share one
    std::vector<well::Station> stations; // metres and degrees, depths increasing
    // Where its slot lies: north and east of the well's slot, metres on the ground, in
    // the north of the well's azimuths; or, when `wellhead` is set, its own wellhead in
    // the well's coordinate reference system, from which the slot follows (north and
    // east are then not used).
    double slotNorth = 0, slotEast = 0;
    std::optional<Wellhead> wellhead;
    // Elevation of its depth reference above sea level, metres; unset: the well's.
    std::optional<double> elevation;
    double holeDiameter = 0; // metres
    // Its own error model and inputs; unset: the well's. The declination and the north
    // are the well's either way.
    std::optional<UncertaintySettings> uncertainty;
    // A sidetrack: the well it leaves (an offset's name, or the well's own) and where;
    // empty for a hole of its own. Above the kick-off it is that well, slot included.
    std::string parent;
    double kickOffMd = 0;
    // Members of its stored JSON object that this program does not know; see
    // WellSettings::otherMembers.
    std::string otherMembers;

    bool operator==(const OffsetWell &) const = default;
};

// The ISCWSA rule of the clearance scan, and the well's own hole: the defaults are the
// rule's usual values.
struct ClearanceSettings
{
    double holeDiameter = 0; // of the well itself, metres
    double surfaceMargin = 0.3; // Sm, metres
    double projectAhead = 0.5; // σpa, metres at 1σ
    double scalingFactor = 3.5; // k
    // A separation factor below this gets a warning; below 1 the wells may touch.
    double warningFactor = 1.5;

    bool operator==(const ClearanceSettings &) const = default;
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
    ClearanceSettings clearance;
    std::vector<OffsetWell> offsets;
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
// The ranges as the faults name them (UTF-8, looked up in the catalogue where they are
// said).
inline constexpr const char *kLatitudeRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "von -90 bis 90 Grad");
inline constexpr const char *kGravityRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "von 9 bis 10,5 m/s²");
inline constexpr const char *kTotalFieldRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "von 10000 bis 100000 nT");
inline constexpr const char *kEllipseSigmaRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "größer als 0 und höchstens 10");
// The clearance rule and the holes. A hole diameter from 0 to 5 m (0: not counted);
// surface margin and project-ahead uncertainty from 0 to 100 m; the scaling factor and
// the warning's factor above 0 and at most 100.
bool validHoleDiameter(double metres);
bool validClearanceLength(double metres);
bool validClearanceFactor(double factor);
inline constexpr double kMaxHoleDiameter = 5, kMaxClearanceLength = 100, kMaxClearanceFactor = 100;
inline constexpr const char *kHoleDiameterRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "von 0 bis 5 m");
inline constexpr const char *kClearanceLengthRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "von 0 bis 100 m");
inline constexpr const char *kClearanceFactorRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "größer als 0 und höchstens 100");
// A station of an offset: depth from 0 to 1e9 m, inclination from 0 to 180 degrees,
// azimuth from 0 to 360 degrees.
bool validOffsetStation(const well::Station &station);
// At most this many stations per offset well, as a document holds lines.
inline constexpr std::size_t kMaxOffsetStations = 1000000;
// At most this many bytes (UTF-8) in an offset's name.
inline constexpr std::size_t kMaxOffsetNameSize = 200;

// Whether the offsets can stand together, each checked alone as the stored form checks
// it (a name, stations within their limits with increasing depths, values within
// theirs) and all together: no name twice, none that is `wellName` (the well's own,
// UTF-8; empty: not checked), no sidetrack of itself or of its own sidetrack. False with
// a German fault (UTF-8) that names the offset.
bool offsetsValid(const std::vector<OffsetWell> &offsets, const std::string &wellName = {},
    std::string *fault = nullptr);

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
