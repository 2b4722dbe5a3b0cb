// Absolute positions of the hole: the horizontal offsets from the wellhead turned to grid
// north and placed at the wellhead's easting and northing, and the height above sea
// level of a point, elevation of the depth reference - TVD. A value is given only when
// the settings that it depends on are set: nothing is ever placed at a guessed zero.
#pragma once

#include "well/settings.h"
#include "listing/listing.h"

#include <optional>

namespace geo {

struct GridPosition
{
    double easting = 0.0;
    double northing = 0.0;
};

struct Placement
{
    std::optional<Wellhead> wellhead;
    // Degrees to add to a measured azimuth to refer it to grid north.
    std::optional<double> turn;
    std::optional<double> elevation; // of the depth reference above sea level, metres

    // Grid coordinates of the offset (north, east) from the wellhead as the measured
    // azimuths give it: the offset is turned about the wellhead by `turn` (clockwise
    // seen from above, as azimuths count), then moved to the wellhead.
    std::optional<GridPosition> grid(double north, double east) const;
    // Height above sea level of a point at `tvd` below the depth reference (negative
    // below sea level).
    std::optional<double> height(double tvd) const;

    // grid() and height() of `n` points into columns of `n` values each: false, and
    // nothing written there, where the placement gives no grid position (no height).
    bool gridColumns(const double *north, const double *east, std::size_t n, double *easting,
        double *northing) const;
    bool heightColumn(const double *tvd, std::size_t n, double *height) const;
};

// The placement of offsets in the north of the measured azimuths that the settings give
// by themselves (no coordinate system is asked). The computed course is in the north of
// geo/north.h: its placement is bestPlacement's (geo/projection.h).
Placement placementOf(const WellSettings &settings);

// Fills the absolute values of every row that the placement gives.
void placeRows(listing::Listing &listing, const Placement &placement);

} // namespace geo
