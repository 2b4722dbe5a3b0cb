// The vectors, directions and arcs of a planned path.
#include "plan/geometry.h"

#include "core/units.h"

#include <cmath>

namespace plan::geom {

namespace {

    // A tangent closer than this (radians) to the vertical has no azimuth of its own.
    constexpr double kVerticalSine = 1e-9;

    double wrapDegrees(double angle)
    {
        angle = std::fmod(angle, 360.0);
        if (angle < 0.0)
            angle += 360.0;
        // fmod of a tiny negative angle gives 360 after the addition.
        return angle >= 360.0 ? 0.0 : angle;
    }

} // namespace

Vec cross(const Vec &a, const Vec &b)
{
    return { a.e * b.d - a.d * b.e, a.d * b.n - a.n * b.d, a.n * b.e - a.e * b.n };
}

double length(const Vec &a)
{
    return std::hypot(a.n, a.e, a.d);
}

Vec unit(const Vec &a)
{
    const double l = length(a);
    return l > 0.0 ? (1.0 / l) * a : a;
}

double angleBetween(const Vec &a, const Vec &b)
{
    return std::atan2(length(cross(a, b)), dot(a, b));
}

Vec tangentOf(double inclination, double azimuth)
{
    const double i = units::radians(inclination), a = units::radians(azimuth);
    return { std::sin(i) * std::cos(a), std::sin(i) * std::sin(a), std::cos(i) };
}

bool isVertical(const Vec &t)
{
    return std::hypot(t.n, t.e) < kVerticalSine;
}

double inclinationOf(const Vec &t)
{
    return units::degrees(std::atan2(std::hypot(t.n, t.e), t.d));
}

double azimuthOf(const Vec &t, double carriedAzimuth)
{
    if (isVertical(t))
        return wrapDegrees(carriedAzimuth);
    return wrapDegrees(units::degrees(std::atan2(t.e, t.n)));
}

Vec highSide(const Vec &t, double carriedAzimuth)
{
    // (cos i cos a, cos i sin a, -sin i) from the tangent's own components, so that it is
    // at right angles to the tangent to the last digit also close to the vertical. In a
    // vertical hole the azimuth carried takes the place of the hole's own; in one drilled
    // straight up the high side is the opposite horizontal, as it is just short of that.
    const double horizontal = std::hypot(t.n, t.e);
    double cosA = 0, sinA = 0;
    if (isVertical(t)) {
        const double a = units::radians(carriedAzimuth);
        cosA = std::cos(a);
        sinA = std::sin(a);
    } else {
        cosA = t.n / horizontal;
        sinA = t.e / horizontal;
    }
    return unit(Vec { t.d * cosA, t.d * sinA, -horizontal });
}

Vec rightSide(const Vec &t, double carriedAzimuth)
{
    return unit(cross(t, highSide(t, carriedAzimuth)));
}

Vec normalOfToolFace(const Vec &t, double carriedAzimuth, double toolFace)
{
    const double f = units::radians(toolFace);
    const Vec n
        = std::cos(f) * highSide(t, carriedAzimuth) + std::sin(f) * rightSide(t, carriedAzimuth);
    // At right angles to the tangent also where the vertical hole's carried azimuth stands
    // in for its own.
    return unit(n - dot(n, t) * t);
}

double toolFaceOf(const Vec &t, double carriedAzimuth, const Vec &normal)
{
    const double y = dot(normal, rightSide(t, carriedAzimuth));
    const double x = dot(normal, highSide(t, carriedAzimuth));
    return wrapDegrees(units::degrees(std::atan2(y, x)));
}

Vec Arc::position(double s) const
{
    if (kappa == 0.0)
        return p0 + s * t0;
    const double x = kappa * s, h = std::sin(x / 2.0);
    // 1 - cos x as 2 sin^2(x/2): no loss of digits on short pieces.
    return p0 + (std::sin(x) / kappa) * t0 + (2.0 * h * h / kappa) * n;
}

Vec Arc::tangent(double s) const
{
    if (kappa == 0.0)
        return t0;
    const double x = kappa * s;
    return unit(std::cos(x) * t0 + std::sin(x) * n);
}

Vec Arc::normal(double s) const
{
    if (kappa == 0.0)
        return n;
    const double x = kappa * s;
    return unit(std::cos(x) * n - std::sin(x) * t0);
}

double curvatureOf(double doglegPer30)
{
    return units::radians(doglegPer30) / units::kDoglegLengthMetres;
}

double doglegPer30Of(double curvature)
{
    return units::degrees(curvature) * units::kDoglegLengthMetres;
}

} // namespace plan::geom
