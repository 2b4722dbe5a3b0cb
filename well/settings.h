// The settings of one borehole that place it in the field: the wellhead in the project's
// coordinate reference system, the elevation of the depth reference, the north that the
// measured azimuths refer to with the angles between the norths, the azimuth of the
// vertical section and the length unit of listings; and, composed from the layers that
// own them, the error model's settings (uncertainty/settings.h), the clearance rule and
// the offset wells (clearance/settings.h). A plain value kept with the document and
// stored as UTF-8 JSON after the document file's four items (well/settingsjson.h). No
// Qt.
#pragma once

#include "clearance/settings.h"
#include "core/units.h"
#include "plan/plan.h"
#include "uncertainty/settings.h"
#include "well/fieldreading.h"
#include "well/settingsbase.h"
#include "well/settingsjson.h"
#include "well/station.h"

#include <optional>
#include <string>
#include <vector>

// The north that the measured azimuths refer to.
enum class NorthReference {
    True, // geographic north
    Grid, // north of the projected coordinate system
    Magnetic, // magnetic north at the time of the survey
};

// What the geomagnetic model gave for the wellhead on the survey date, as the document was
// last saved: kept beside the date so that a reader of the file sees which model the
// values came from. Only a record: the program always asks the model anew from the date
// and the place (geo/magneticfield.h), so a record left from another date or place is
// never used.
struct MagneticModelRecord
{
    std::string model; // "WMM2025", "IGRF-14", ...
    double declination = 0; // degrees, east positive
    double dip = 0; // degrees, downward positive
    double totalField = 0; // nT

    bool operator==(const MagneticModelRecord &) const = default;
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
    // The day the survey was measured: the geomagnetic model gives the declination, dip
    // and total field for it where they are not typed.
    std::optional<CalendarDate> surveyDate;
    std::optional<MagneticModelRecord> magneticModel;
    // Azimuth of the vertical section, in the north of the stations. Unset: the direction
    // of the final displacement.
    std::optional<double> sectionAzimuth;
    LengthUnit unit = LengthUnit::Metre;
    // Where the survey begins when it continues another one; unset: at the surface, with
    // a vertical station at depth 0 put in front of a first station below it.
    std::optional<well::TieIn> tieIn;
    UncertaintySettings uncertainty;
    // The operator's own tool models, which the survey programs of the well and of its
    // offsets may name besides the library's codes.
    std::vector<OwnTool> ownTools;
    // The plan of the well, the distance between its stations (unset: 30 m) and the
    // distance from the survey's sensor to the bit that the comparison with the plan
    // projects the hole by (unset: 15 m).
    std::optional<plan::Plan> plan;
    std::optional<double> planStep;
    std::optional<double> bitDistance;
    ClearanceSettings clearance;
    std::vector<OffsetWell> offsets;
    // The field whose wellbores are the well's neighbours besides `offsets`; unset: none.
    std::optional<FieldLink> field;
    // The magnetic and gravity readings of the survey's stations, in the order the file
    // gave them; a reading whose depth no station has any more is left aside.
    std::vector<well::FieldReading> fieldReadings;
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
