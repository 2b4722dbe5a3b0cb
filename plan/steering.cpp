// The arc from a station through a point.
#include "plan/steering.h"

#include "plan/geometry.h"

#include <cmath>
#include <numbers>

namespace plan {

std::optional<SteeringArc> arcToPoint(const Start &from, double north, double east, double tvd)
{
    using geom::Vec;
    const Vec t = geom::tangentOf(from.inclination, from.azimuth);
    const Vec d = Vec { north, east, tvd } - Vec { from.north, from.east, from.tvd };
    // `a` ahead, `b` to the side; the circle tangent to the hole that passes through the
    // point has the radius (a^2 + b^2) / 2b and turns by twice the angle of the chord.
    const double a = geom::dot(d, t);
    const Vec side = d - a * t;
    const double b = geom::length(side);
    if (geom::length(d) == 0.0)
        return std::nullopt;
    SteeringArc arc;
    if (b <= 1e-12 * std::abs(a)) {
        if (a < 0.0)
            return std::nullopt;
        arc.length = a;
        return arc;
    }
    const double turn = 2.0 * std::atan2(b, a);
    if (turn >= std::numbers::pi)
        return std::nullopt;
    const double radius = (a * a + b * b) / (2.0 * b);
    arc.doglegPer30 = geom::doglegPer30Of(1.0 / radius);
    arc.toolFace = geom::toolFaceOf(t, from.azimuth, (1.0 / b) * side);
    arc.length = turn * radius;
    return arc;
}

} // namespace plan
