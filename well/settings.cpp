// The well settings' turns between the norths.
#include "well/settings.h"

#include "well/computation.h"

#include <cmath>

std::optional<double> WellSettings::turnToGrid() const
{
    switch (north) {
    case NorthReference::Grid:
        return 0.0;
    case NorthReference::True:
        if (gridConvergence)
            return -*gridConvergence;
        break;
    case NorthReference::Magnetic:
        if (declination && gridConvergence)
            return *declination - *gridConvergence;
        break;
    }
    return std::nullopt;
}

std::optional<double> WellSettings::turnToTrue() const
{
    switch (north) {
    case NorthReference::True:
        return 0.0;
    case NorthReference::Grid:
        if (gridConvergence)
            return *gridConvergence;
        break;
    case NorthReference::Magnetic:
        if (declination)
            return *declination;
        break;
    }
    return std::nullopt;
}

namespace well {

bool validTieIn(const TieIn &t)
{
    return validLength(t.md) && t.md >= 0.0 && validLength(t.tvd) && validLength(t.north)
        && validLength(t.east) && std::isfinite(t.inclination) && inclinationAccepted(t.inclination)
        && std::isfinite(t.azimuth) && azimuthAccepted(t.azimuth);
}

} // namespace well
