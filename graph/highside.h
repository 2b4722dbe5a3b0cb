// Where a point lies around the hole, as the travelling cylinder shows it: the angle in
// the plane normal to the hole's direction, from the high side clockwise as seen looking
// down the hole. The high side is the direction in that plane that points most upward;
// a vertical hole has none, and its station's azimuth stands in for it (azimuth 0: north
// is the top of the picture, east lies at 90 degrees). No Qt: the arithmetic is checked
// alone.
#pragma once

#include <optional>

namespace highside {

// The angle in degrees [0, 360) of the vector (north, east, down) in metres, seen from a
// point of the hole with `inclination` and `azimuth` (degrees). None when the vector runs
// along the hole (its part across the hole is less than a micrometre): it has no side.
std::optional<double> angle(
    double inclination, double azimuth, double north, double east, double down);

} // namespace highside
