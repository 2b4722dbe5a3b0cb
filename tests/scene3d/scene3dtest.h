// What the 3D scene's tests share: surveys made from stations, a scene of them, and a
// camera in the frame of the wells built the way a textbook builds one.
#pragma once

#include "core/trajectory.h"
#include "scene3d/camera.h"
#include "scene3d/scene.h"

#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace scene3dtest {

constexpr double kRad = std::numbers::pi / 180.0;

// A computed path through stations {md, inclination, azimuth}; the surface station is
// added when the first lies below it.
inline traj::Trajectory pathOf(const std::vector<std::array<double, 3>> &stations)
{
    traj::Trajectory t;
    if (stations.empty() || stations.front()[0] > 0)
        t.stations.push_back({});
    for (const auto &[md, inclination, azimuth] : stations) {
        traj::Station s;
        s.md = md;
        s.inclination = inclination;
        s.azimuth = azimuth;
        t.stations.push_back(s);
    }
    traj::computeNumericTrajectory(t);
    return t;
}

inline scene3d::WellInput wellOf(const std::string &name,
    const std::vector<std::array<double, 3>> &stations, double slotNorth = 0, double slotEast = 0)
{
    scene3d::WellInput w;
    w.name = name;
    w.path = pathOf(stations);
    w.slotNorth = slotNorth;
    w.slotEast = slotEast;
    return w;
}

// A well that builds from vertical to 60 degrees toward north-east on one arc.
inline std::vector<std::array<double, 3>> buildSection()
{
    return { { 300, 0, 45 }, { 900, 60, 45 }, { 1500, 60, 45 } };
}

// A point in east, north, up: the frame of a textbook's camera.
struct Enu
{
    double e = 0, n = 0, u = 0;
};
inline Enu enuOf(const scene3d::Point3 &p)
{
    return { p.east, p.north, -p.tvd };
}
inline Enu operator-(Enu a, Enu b)
{
    return { a.e - b.e, a.n - b.n, a.u - b.u };
}
inline double dotEnu(Enu a, Enu b)
{
    return a.e * b.e + a.n * b.n + a.u * b.u;
}
inline Enu crossEnu(Enu a, Enu b)
{
    return { a.n * b.u - a.u * b.n, a.u * b.e - a.e * b.u, a.e * b.n - a.n * b.e };
}
inline Enu unit(Enu a)
{
    const double l = std::sqrt(dotEnu(a, a));
    return { a.e / l, a.n / l, a.u / l };
}

// What a "look at" camera shows: the eye placed on the sphere around the target at the
// azimuth (clockwise from north) and elevation, looking at the target with the sky up.
// Returns right, up (times the scale) and the depth toward the eye. Not for the poles.
struct LookAt
{
    double x = 0, y = 0, depth = 0;
};
inline LookAt lookAt(const scene3d::Camera &c, const scene3d::Point3 &p)
{
    const double a = c.azimuth * kRad, e = c.elevation * kRad;
    const Enu target = enuOf(c.target);
    const Enu toEye { std::sin(a) * std::cos(e), std::cos(a) * std::cos(e), std::sin(e) };
    const Enu forward { -toEye.e, -toEye.n, -toEye.u };
    const Enu right = unit(crossEnu(forward, { 0, 0, 1 }));
    const Enu up = crossEnu(right, forward);
    const Enu v = enuOf(p) - target;
    return { c.scale * dotEnu(v, right), c.scale * dotEnu(v, up), dotEnu(v, toEye) };
}

} // namespace scene3dtest
