// The one north every output of a well gives its positions in. Azimuths are entered as
// measured, against the north the well's settings name; the course is computed with them
// turned once to this north, and every table, picture and file of the well reads that
// course:
//   grid north when the well has a coordinate system (an EPSG code) or its azimuths are
//   grid azimuths already; otherwise true north.
// The declination where none is typed comes from the geomagnetic model for the wellhead
// and the survey date (geo/magneticfield.h).
// A turn that needs an angle the settings do not give (a magnetic survey without a
// declination, a grid without a convergence that the EPSG code and the wellhead could
// give) is not made: the course then stays in the north of the azimuths as measured and
// `missing` says which angle is lacking, never a silent zero. No Qt.
#pragma once

#include "core/decimalsign.h"
#include "geo/magneticfield.h"
#include "well/settings.h"

#include <optional>
#include <string>

namespace geo {

// Which angle a needed turn lacks.
enum class MissingAngle {
    None,
    Declination, // magnetic azimuths without a declination
    Convergence, // a grid to refer to, but no convergence given or derivable
};

struct CourseNorth
{
    // The north of the computed course: its azimuths, north and east.
    NorthReference north = NorthReference::True;
    // Degrees added to every measured azimuth (0 where nothing is turned).
    double turn = 0;
    // The angles that make up `turn`, each where it was applied.
    std::optional<double> declination;
    std::optional<double> convergence;
    // The geomagnetic model that gave `declination` ("WMM2025"); empty where it was typed.
    std::string declinationModel;
    // Where the declination is missing: what the model said for the wellhead, NoDate or
    // Refused where its place is known; the model's own words (chosen language) for
    // Refused.
    ModelState model = ModelState::NotAsked;
    std::string modelRefusal;
    // The coordinate system of the grid when `north` is grid north and the well has one.
    std::optional<int> epsg;
    // Degrees to add to an azimuth of the course to refer it to grid north, for grid
    // coordinates of its points; none where the convergence is unknown.
    std::optional<double> toGrid;
    MissingAngle missing = MissingAngle::None;

    // Whether the outputs name this north: where a turn or a grid applies. A well
    // measured against true north with no grid keeps every output as it always was.
    bool named() const;

    bool operator==(const CourseNorth &) const = default;
};

// The north of the course for `settings`. Asks PROJ for the grid convergence at the
// wellhead only when the settings name an EPSG code and a wellhead but no convergence.
CourseNorth courseNorth(const WellSettings &settings);

// The reference as one line: "Gitternord (EPSG:25832); Deklination 2,50°,
// Meridiankonvergenz 0,99°". German words as the files write them, or in the chosen
// language for the screen; the angles with two decimals and `sign`.
enum class CaptionWords { German, Chosen };
std::string northCaption(
    const CourseNorth &north, decimalsign::Sign sign, CaptionWords words = CaptionWords::German);

} // namespace geo
