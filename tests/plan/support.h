// Vector arithmetic of the plan tests, written out here so that the tests do not check the
// plan's geometry with itself.
#pragma once

#include <array>
#include <cmath>
#include <numbers>

namespace plantest {

using V = std::array<double, 3>; // north, east, down

inline double rad(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}
inline double deg(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

inline V tangent(double inclination, double azimuth)
{
    const double i = rad(inclination), a = rad(azimuth);
    return { std::sin(i) * std::cos(a), std::sin(i) * std::sin(a), std::cos(i) };
}

inline double dot(const V &a, const V &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline V minus(const V &a, const V &b)
{
    return { a[0] - b[0], a[1] - b[1], a[2] - b[2] };
}

inline V plus(const V &a, const V &b)
{
    return { a[0] + b[0], a[1] + b[1], a[2] + b[2] };
}

inline V times(double k, const V &a)
{
    return { k * a[0], k * a[1], k * a[2] };
}

inline double norm(const V &a)
{
    return std::sqrt(dot(a, a));
}

// Degrees between two directions, by the half-chord: exact also for small angles.
inline double angleDegrees(const V &a, const V &b)
{
    return deg(2.0 * std::asin(std::min(1.0, norm(minus(a, b)) / 2.0)));
}

// The turning radius of a dogleg rate in degrees per 30 m.
inline double turningRadius(double dls)
{
    return 30.0 * 180.0 / (std::numbers::pi * dls);
}

} // namespace plantest
