#include "geo/placement.h"

#include "core/trajectory.h"
#include "core/units.h"

#include <cmath>

namespace geo {

std::optional<GridPosition> Placement::grid(double north, double east) const
{
    if (!wellhead || !turn)
        return std::nullopt;
    const double a = *turn * units::kRadiansPerDegree;
    const double c = std::cos(a), s = std::sin(a);
    return GridPosition { wellhead->easting + north * s + east * c,
        wellhead->northing + north * c - east * s };
}

std::optional<double> Placement::height(double tvd) const
{
    if (!elevation)
        return std::nullopt;
    return *elevation - tvd;
}

Placement placementOf(const WellSettings &settings)
{
    return { settings.wellhead, settings.turnToGrid(), settings.elevation };
}

void placeRows(listing::Listing &listing, const Placement &placement)
{
    for (listing::Row &row : listing.rows) {
        if (const auto at = placement.grid(row.point.north, row.point.east)) {
            row.easting = at->easting;
            row.northing = at->northing;
        }
        row.height = placement.height(row.point.tvd);
    }
}

} // namespace geo
