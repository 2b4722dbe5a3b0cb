// The clearance layer's settings: the neighbouring (offset) wells that the scan compares
// the well with, the ISCWSA rule of the scan with the well's own hole, and the limits of
// their values, shared by the stored settings, the command line and the forms. Plain
// values that the well's settings hold. No Qt.
#pragma once

#include "i18n/i18n.h"
#include "uncertainty/settings.h"
#include "well/settingsbase.h"
#include "well/station.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

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

// The field the well belongs to: its neighbours are then the field's wellbores as the
// field holds them whenever the scan is made, not copies kept in the document. `location`
// is the field file (a path, relative to the document's folder or absolute) or a server's
// address without its password; `wellbore` is the well's own place in the field
// (field/site/well or field/site/well/wellbore), which is no neighbour of itself (empty:
// none of the field's wellbores is the well); only wellbores that come within `radius`
// metres of the well take part (unset: all).
struct FieldLink
{
    std::string location; // UTF-8
    std::string wellbore; // UTF-8
    std::optional<double> radius;

    bool operator==(const FieldLink &) const = default;
};

// ---- limits of the values, shared by the file and the command line ----
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
// A field link's radius from 1 m to 100 km; its location and place at most 4,000 bytes.
bool validFieldRadius(double metres);
inline constexpr std::size_t kMaxFieldLinkText = 4000;
inline constexpr const char *kFieldRadiusRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "von 1 bis 100000 m");
// At most this many bytes (UTF-8) in an offset's name.
inline constexpr std::size_t kMaxOffsetNameSize = 200;

// Whether the offsets can stand together, each checked alone as the stored form checks
// it (a name, stations within their limits with increasing depths, values within
// theirs) and all together: no name twice, none that is `wellName` (the well's own,
// UTF-8; empty: not checked), no sidetrack of itself or of its own sidetrack. False with
// a German fault (UTF-8) that names the offset.
bool offsetsValid(const std::vector<OffsetWell> &offsets, const std::string &wellName = {},
    std::string *fault = nullptr);
