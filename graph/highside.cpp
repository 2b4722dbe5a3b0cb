// The angle around the hole from its high side.
#include "graph/highside.h"

#include <cmath>
#include <numbers>

namespace highside {

std::optional<double> angle(
    double inclination, double azimuth, double north, double east, double down)
{
    const double rad = std::numbers::pi / 180.0;
    const double si = std::sin(inclination * rad), ci = std::cos(inclination * rad);
    const double sa = std::sin(azimuth * rad), ca = std::cos(azimuth * rad);
    // In north, east, down: the high side h = (cos I cos A, cos I sin A, -sin I), normal to
    // the tangent (sin I cos A, sin I sin A, cos I) and pointing up; the right-hand side r
    // = tangent x h = (-sin A, cos A, 0) is 90 degrees clockwise of it looking down the
    // hole. At I = 0 h is the horizontal direction of the azimuth.
    const double high = north * ci * ca + east * ci * sa - down * si;
    const double right = -north * sa + east * ca;
    if (std::hypot(high, right) < 1e-6)
        return std::nullopt;
    double a = std::atan2(right, high) / rad;
    if (a < 0.0)
        a += 360.0;
    // atan2 of a tiny negative right side gives 360 exactly after the addition.
    return a >= 360.0 ? 0.0 : a;
}

} // namespace highside
