#include "plan/against.h"

#include "plan/geometry.h"

#include <cmath>
#include <numbers>

namespace plan {

namespace {

geom::Vec positionOf(const traj::Station &s)
{
    return { s.north, s.east, s.tvd };
}

// The last interval's arc, continued from the last station; a hold after a straight
// interval or from a single station.
geom::Arc lastArc(const traj::Trajectory &hole)
{
    const traj::Station &last = hole.last();
    geom::Arc arc;
    arc.p0 = positionOf(last);
    arc.t0 = geom::tangentOf(last.inclination, last.azimuth);
    if (hole.stations.size() < 2)
        return arc;
    const traj::Station &before = hole.stations[hole.stations.size() - 2];
    const geom::Vec t = geom::tangentOf(before.inclination, before.azimuth);
    const double beta = geom::angleBetween(t, arc.t0);
    const double length = last.md - before.md;
    if (beta < 1e-12 || !(length > 0))
        return arc;
    // The direction the arc turns toward where it ends, in the plane of both tangents.
    arc.n = geom::unit((1.0 / std::sin(beta)) * (std::cos(beta) * arc.t0 - t));
    arc.kappa = beta / length;
    return arc;
}

ProjectedPoint pointOf(const geom::Arc &arc, double s, double md, double carriedAzimuth)
{
    const geom::Vec p = arc.position(s);
    const geom::Vec t = arc.tangent(s);
    return { md + s, geom::inclinationOf(t), geom::azimuthOf(t, carriedAzimuth), p.d, p.n, p.e };
}

// The first length along `arc` (within half a turn of it) where it reaches depth `tvd`.
std::optional<double> lengthToDepth(const geom::Arc &arc, double tvd)
{
    const double gap = tvd - arc.p0.d;
    if (gap == 0)
        return 0.0;
    if (gap < 0)
        return std::nullopt;
    if (arc.kappa == 0) {
        if (arc.t0.d <= 1e-12)
            return std::nullopt;
        return gap / arc.t0.d;
    }
    // depth(θ) - tvd, θ the angle turned; below zero at θ = 0.
    const auto f = [&](double theta) {
        return (arc.t0.d * std::sin(theta) + arc.n.d * (1 - std::cos(theta))) / arc.kappa - gap;
    };
    constexpr int kSamples = 720;
    double lo = 0;
    for (int i = 1; i <= kSamples; ++i) {
        const double hi = std::numbers::pi * i / kSamples;
        if (f(hi) >= 0) {
            double a = lo, b = hi;
            for (int k = 0; k < 200 && b - a > 1e-15; ++k) {
                const double m = 0.5 * (a + b);
                (f(m) >= 0 ? b : a) = m;
            }
            return b / arc.kappa;
        }
        lo = hi;
    }
    return std::nullopt;
}

geom::Vec aimOf(const Target &t)
{
    if (t.kind == TargetKind::Box)
        return { 0.5 * (t.northFrom + t.northTo), 0.5 * (t.eastFrom + t.eastTo),
            0.5 * (t.tvdFrom + t.tvdTo) };
    return { t.north, t.east, t.tvd };
}

} // namespace

ProjectedPoint projectAlong(const traj::Trajectory &hole, double length)
{
    const traj::Station &last = hole.last();
    return pointOf(lastArc(hole), length, last.md, last.azimuth);
}

std::optional<AgainstPlan> against(
    const ComputedPlan &plan, const Plan &sections, const traj::Trajectory &hole,
    double bitDistance)
{
    if (hole.empty() || plan.path.empty())
        return std::nullopt;
    AgainstPlan out;
    out.bitDistance = bitDistance;
    out.stations.reserve(hole.stations.size());
    for (const traj::Station &s : hole.stations) {
        const geom::Vec q = positionOf(s);
        const PathPoint p = closestPoint(plan.path, q);
        const geom::Vec d = q - p.position;
        StationAgainstPlan row;
        row.md = s.md;
        row.planMd = p.md;
        row.highSide = geom::dot(d, geom::highSide(p.tangent, p.azimuth));
        row.rightSide = geom::dot(d, geom::rightSide(p.tangent, p.azimuth));
        row.alongHole = geom::dot(d, p.tangent);
        row.distance = geom::length(d);
        row.tvdDifference = d.d;
        out.stations.push_back(row);
    }

    const traj::Station &last = hole.last();
    const geom::Arc arc = lastArc(hole);
    out.bit = pointOf(arc, bitDistance, last.md, last.azimuth);

    // The target ahead of the hole's place on the plan, else the plan's end.
    const double here = out.stations.back().planMd;
    Steering &steer = out.steering;
    const PlanStation &end = plan.stations.back();
    steer.north = end.north;
    steer.east = end.east;
    steer.tvd = end.tvd;
    for (std::size_t i = 0; i < plan.targets.size() && i < sections.targets.size(); ++i) {
        if (plan.targets[i].closest.md > here) {
            const geom::Vec aim = aimOf(sections.targets[i]);
            steer.target = static_cast<int>(i) + 1;
            steer.north = aim.n;
            steer.east = aim.e;
            steer.tvd = aim.d;
            break;
        }
    }
    out.targetTvd = steer.tvd;
    if (const std::optional<double> s = lengthToDepth(arc, out.targetTvd))
        out.atTargetDepth = pointOf(arc, *s, last.md, last.azimuth);

    const Start from { last.md, last.tvd, last.north, last.east, last.inclination, last.azimuth };
    steer.arc = arcToPoint(from, steer.north, steer.east, steer.tvd);
    steer.overLimit = steer.arc && steer.arc->doglegPer30 > kMaxDoglegPer30;
    return out;
}

} // namespace plan
