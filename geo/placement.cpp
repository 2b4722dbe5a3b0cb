#include "geo/placement.h"

#include "core/trajectory.h"
#include "core/units.h"

#include <cmath>

namespace geo {

std::optional<GridPosition> Placement::grid(double north, double east) const
{
    GridPosition at;
    if (!gridColumns(&north, &east, 1, &at.easting, &at.northing))
        return std::nullopt;
    return at;
}

std::optional<double> Placement::height(double tvd) const
{
    double out = 0;
    if (!heightColumn(&tvd, 1, &out))
        return std::nullopt;
    return out;
}

bool Placement::gridColumns(const double *north, const double *east, std::size_t n,
    double *easting, double *northing) const
{
    if (!wellhead || !turn)
        return false;
    const double a = *turn * units::kRadiansPerDegree;
    const double c = std::cos(a), s = std::sin(a);
    for (std::size_t i = 0; i < n; ++i) {
        easting[i] = wellhead->easting + north[i] * s + east[i] * c;
        northing[i] = wellhead->northing + north[i] * c - east[i] * s;
    }
    return true;
}

bool Placement::heightColumn(const double *tvd, std::size_t n, double *height) const
{
    if (!elevation)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        height[i] = *elevation - tvd[i];
    return true;
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
