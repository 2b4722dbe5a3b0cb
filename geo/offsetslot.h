// Where a neighbouring well's slot lies when its wellhead is given in the well's own
// coordinate reference system: the grid difference of the two wellheads brought to the
// ground by the grid's scale factor and turned into the north of the well's azimuths,
// and the angle between the two wellheads' true (or magnetic) norths, which the
// neighbour's azimuths need to refer to the well's. Heights are not taken into account:
// the slots are on the ellipsoid. No Qt.
#pragma once

#include "well/settings.h"

#include <optional>
#include <string>

namespace geo {

struct SlotFromWellhead
{
    // North and east of the well's slot, metres on the ground, in the north of the
    // well's azimuths.
    double north = 0, east = 0;
    // Degrees to add to the neighbour's azimuths (measured against the same kind of
    // north as the well's, at its own wellhead) to refer them to the well's north: the
    // difference of the grid convergence at the two wellheads, 0 for grid azimuths.
    double azimuthTurn = 0;
    // The grid's scale factor along the line between the wellheads.
    double scale = 1;
};

// None with a fault in the chosen language (UTF-8) when the well's settings give no wellhead in a
// projected system that PROJ knows, or the azimuths cannot be turned to grid north.
std::optional<SlotFromWellhead> slotFromWellhead(
    const WellSettings &reference, const Wellhead &other, std::string &fault);

} // namespace geo
