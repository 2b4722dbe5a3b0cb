// The nearest point of a path against brute force by sampling: on paths drawn at random
// (builds, turns, straight and vertical pieces, up-dip stretches) and points around and
// on them, the answer is a point of the path at the distance given, never farther than
// the nearest station, and no point sampled densely along the arcs is nearer. Whatever
// the hint, the answer is the same.
#include "clearance/closest.h"
#include "clearance/scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <random>

namespace {

// Numbers from the raw engine, so that every library draws the same paths.
class Draw
{
public:
    explicit Draw(std::uint32_t seed)
        : engine_(seed)
    {
    }
    double uniform(double lo, double hi) { return lo + (hi - lo) * (engine_() / 4294967296.0); }
    bool chance(double p) { return uniform(0, 1) < p; }

private:
    std::mt19937 engine_;
};

traj::Trajectory randomPath(Draw &draw)
{
    const int count = static_cast<int>(draw.uniform(2, 80));
    std::vector<clr::Reading> readings;
    double md = 0, inc = draw.uniform(0, 20), azi = draw.uniform(0, 360);
    for (int i = 0; i < count; ++i) {
        readings.push_back({ md, inc, azi });
        md += draw.uniform(1, 60);
        if (draw.chance(0.2))
            continue; // the same direction: a straight piece
        if (inc < 20 && draw.chance(0.3)) {
            inc = 0; // vertical from here
            continue;
        }
        inc = std::clamp(inc + draw.uniform(-25, 25), 0.0, 130.0);
        azi = std::fmod(azi + draw.uniform(-40, 40) + 360.0, 360.0);
    }
    traj::Trajectory t = clr::pathOf(readings);
    EXPECT_EQ(t.stations.size(), readings.size()) << "a drawn path stopped early";
    return t;
}

struct Box
{
    clr::Vec3 lo { 1e300, 1e300, 1e300 }, hi { -1e300, -1e300, -1e300 };
};

Box boxOf(const traj::Trajectory &t)
{
    Box b;
    for (const traj::Station &s : t.stations) {
        b.lo = { std::min(b.lo.n, s.north), std::min(b.lo.e, s.east), std::min(b.lo.d, s.tvd) };
        b.hi = { std::max(b.hi.n, s.north), std::max(b.hi.e, s.east), std::max(b.hi.d, s.tvd) };
    }
    return b;
}

double distance(const clr::Vec3 &p, double n, double e, double d)
{
    return std::sqrt((p.n - n) * (p.n - n) + (p.e - e) * (p.e - e) + (p.d - d) * (p.d - d));
}

// The query points: anywhere around the path, and on or just beside it.
std::vector<clr::Vec3> pointsAround(const traj::Trajectory &t, Draw &draw)
{
    const Box b = boxOf(t);
    std::vector<clr::Vec3> points;
    for (int i = 0; i < 25; ++i) {
        points.push_back({ draw.uniform(b.lo.n - 80, b.hi.n + 80),
            draw.uniform(b.lo.e - 80, b.hi.e + 80), draw.uniform(b.lo.d - 80, b.hi.d + 80) });
    }
    for (int i = 0; i < 15; ++i) {
        traj::Point q;
        if (!traj::pointAtMd(t, draw.uniform(0, t.last().md), q))
            continue;
        const double r = i < 5 ? 0.0 : draw.uniform(0, 3);
        points.push_back({ q.north + draw.uniform(-r, r), q.east + draw.uniform(-r, r),
            q.tvd + draw.uniform(-r, r) });
    }
    return points;
}

// The smallest distance from p to the path sampled every few centimetres along every
// arc, from fromMd down.
double sampledMinimum(const traj::Trajectory &t, const clr::Vec3 &p, double fromMd = 0)
{
    double best = std::numeric_limits<double>::infinity();
    const auto &st = t.stations;
    if (st.size() == 1)
        return distance(p, st[0].north, st[0].east, st[0].tvd);
    for (std::size_t i = 1; i < st.size(); ++i) {
        const int steps = 100;
        for (int k = 0; k <= steps; ++k) {
            const double md = st[i - 1].md + (st[i].md - st[i - 1].md) * k / steps;
            if (md < fromMd)
                continue;
            const traj::Point q = traj::pointOnArc(st[i - 1], st[i], md);
            best = std::min(best, distance(p, q.north, q.east, q.tvd));
        }
    }
    return best;
}

TEST(NearestPoint, NeverFartherThanAStationOrASampleOfTheArcs)
{
    Draw draw(20240611);
    for (int path = 0; path < 40; ++path) {
        const traj::Trajectory t = randomPath(draw);
        SCOPED_TRACE("path " + std::to_string(path));
        const clr::PathIndex index(t);
        ASSERT_FALSE(index.empty());
        int hint = 0;
        for (const clr::Vec3 &p : pointsAround(t, draw)) {
            const clr::Closest c = index.closest(p, &hint);
            // A point of the path, at the distance given.
            traj::Point on;
            ASSERT_TRUE(traj::pointAtMd(t, c.point.md, on));
            EXPECT_NEAR(on.north, c.point.north, 1e-9);
            EXPECT_NEAR(on.east, c.point.east, 1e-9);
            EXPECT_NEAR(on.tvd, c.point.tvd, 1e-9);
            EXPECT_NEAR(distance(p, c.point.north, c.point.east, c.point.tvd), c.distance, 1e-12);
            double nearestStation = std::numeric_limits<double>::infinity();
            for (const traj::Station &s : t.stations)
                nearestStation = std::min(nearestStation, distance(p, s.north, s.east, s.tvd));
            EXPECT_LE(c.distance, nearestStation + 1e-9);
            EXPECT_LE(c.distance, sampledMinimum(t, p) + 1e-9);
        }
    }
}

TEST(NearestPoint, AnyHintGivesTheSameAnswer)
{
    Draw draw(7);
    for (int path = 0; path < 20; ++path) {
        const traj::Trajectory t = randomPath(draw);
        const clr::PathIndex index(t);
        for (const clr::Vec3 &p : pointsAround(t, draw)) {
            const clr::Closest without = index.closest(p);
            for (int hint : { -5, 0, static_cast<int>(t.stations.size()) / 2,
                     static_cast<int>(t.stations.size()) + 3 }) {
                const clr::Closest with = index.closest(p, &hint);
                EXPECT_EQ(with.point.md, without.point.md);
                EXPECT_EQ(with.distance, without.distance);
            }
        }
    }
}

// Searched from a depth down (the part of a sidetrack below its kick-off): nothing above
// it is found, nothing below it is nearer.
TEST(NearestPoint, SearchFromADepthStaysBelowIt)
{
    Draw draw(99);
    for (int path = 0; path < 25; ++path) {
        const traj::Trajectory t = randomPath(draw);
        const double fromMd = draw.uniform(0, t.last().md);
        SCOPED_TRACE("from MD " + std::to_string(fromMd));
        const clr::PathIndex index(t, fromMd);
        ASSERT_FALSE(index.empty());
        for (const clr::Vec3 &p : pointsAround(t, draw)) {
            const clr::Closest c = index.closest(p);
            EXPECT_GE(c.point.md, fromMd - 1e-9);
            EXPECT_LE(c.distance, sampledMinimum(t, p, fromMd) + 1e-9);
        }
    }
}

// The ends and the straight pieces, where no arc turns: independent arithmetic.
TEST(NearestPoint, EndsAndStraightPiecesByHand)
{
    // Vertical to 100 m, then straight at 60° toward east to 300 m.
    const traj::Trajectory t
        = clr::pathOf({ { 0, 0, 0 }, { 100, 0, 0 }, { 100.5, 60, 90 }, { 300, 60, 90 } });
    const clr::PathIndex index(t);
    // Above the top: the surface station.
    clr::Closest c = index.closest({ 3, 4, -10 });
    EXPECT_TRUE(c.point.atStation);
    EXPECT_EQ(c.point.md, 0.0);
    EXPECT_NEAR(c.distance, std::sqrt(9.0 + 16.0 + 100.0), 1e-12);
    // Beside the vertical piece: the same depth.
    c = index.closest({ -7, 0, 42 });
    EXPECT_NEAR(c.point.md, 42.0, 1e-9);
    EXPECT_NEAR(c.distance, 7.0, 1e-9);
    // Far beyond the end along its direction: the last station.
    const traj::Station &last = t.last();
    c = index.closest(
        { last.north, last.east + 500 * std::sin(std::numbers::pi / 3), last.tvd + 250 });
    EXPECT_TRUE(c.point.atStation);
    EXPECT_EQ(c.point.md, 300.0);
    // Square off the straight piece at 200 m: its point at 200 m.
    traj::Point at200;
    ASSERT_TRUE(traj::pointAtMd(t, 200, at200));
    const double s = std::sin(std::numbers::pi / 3),
                 k = std::cos(std::numbers::pi / 3); // the tangent's east and down
    c = index.closest({ at200.north + 5, at200.east - 10 * k, at200.tvd + 10 * s });
    EXPECT_NEAR(c.point.md, 200.0, 1e-9);
    EXPECT_NEAR(c.distance, std::sqrt(25.0 + 100.0), 1e-9);
}

// A path of one station, and one searched from below its end, hold nothing but the
// station, or nothing at all.
TEST(NearestPoint, OneStationAndNothingLeft)
{
    const traj::Trajectory one = clr::pathOf({ { 0, 0, 0 } });
    const clr::PathIndex index(one);
    ASSERT_FALSE(index.empty());
    const clr::Closest c = index.closest({ 0, 6, 8 });
    EXPECT_EQ(c.point.md, 0.0);
    EXPECT_DOUBLE_EQ(c.distance, 10.0);

    const traj::Trajectory t = clr::pathOf({ { 0, 0, 0 }, { 50, 10, 0 } });
    EXPECT_TRUE(clr::PathIndex(t, 50.5).empty());
    EXPECT_TRUE(clr::PathIndex(traj::Trajectory {}).empty());
    const clr::PathIndex atEnd(t, 50);
    ASSERT_FALSE(atEnd.empty());
    EXPECT_EQ(atEnd.closest({ 0, 0, 0 }).point.md, 50.0);
}

} // namespace
