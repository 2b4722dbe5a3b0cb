// The nearest point of a path against brute force: on paths drawn at random (builds,
// turns, straight and vertical pieces, up-dip stretches) and points around and on them,
// the answer is a point of the path at the distance given, never farther than the
// nearest station, and no point sampled densely along the arcs is nearer; whatever the
// hint, the answer is the same. Searched from a depth, nothing above it is found.
#include "clearance/closest.h"
#include "clearance/scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

// Numbers from the raw engine, so that every standard library draws the same paths.
struct Draw
{
    std::mt19937 engine;
    double operator()(double lo, double hi) { return lo + (hi - lo) * (engine() / 4294967296.0); }
};

traj::Trajectory randomPath(Draw &draw)
{
    std::vector<clr::Reading> readings;
    double md = 0, inc = draw(0, 20), azi = draw(0, 360);
    for (int i = 0, count = static_cast<int>(draw(2, 80)); i < count; ++i) {
        readings.push_back({ md, inc, azi });
        md += draw(1, 60);
        if (draw(0, 1) < 0.2)
            continue; // the same direction: a straight piece
        if (inc < 20 && draw(0, 1) < 0.3) {
            inc = 0; // vertical from here
            continue;
        }
        inc = std::clamp(inc + draw(-25, 25), 0.0, 130.0);
        azi = std::fmod(azi + draw(-40, 40) + 360.0, 360.0);
    }
    traj::Trajectory t = clr::pathOf(readings);
    EXPECT_EQ(t.stations.size(), readings.size()) << "a drawn path stopped early";
    return t;
}

double distance(const clr::Vec3 &p, double n, double e, double d)
{
    return std::sqrt((p.n - n) * (p.n - n) + (p.e - e) * (p.e - e) + (p.d - d) * (p.d - d));
}

// Anywhere up to 80 m around the path, and on or just beside it.
std::vector<clr::Vec3> pointsAround(const traj::Trajectory &t, Draw &draw)
{
    std::vector<clr::Vec3> points;
    for (int i = 0; i < 40; ++i) {
        const traj::Station &s = t.stations[static_cast<std::size_t>(draw(0, t.stations.size()))];
        const double r = i < 25 ? 80 : i < 30 ? 0 : 3;
        traj::Point q;
        if (i >= 25 && traj::pointAtMd(t, draw(0, t.last().md), q))
            points.push_back({ q.north + draw(-r, r), q.east + draw(-r, r), q.tvd + draw(-r, r) });
        else
            points.push_back({ s.north + draw(-r, r), s.east + draw(-r, r), s.tvd + draw(-r, r) });
    }
    return points;
}

// The least distance from p to the stations, and to points every few decimetres along
// the arcs, from fromMd down.
void bruteForce(const traj::Trajectory &t, const clr::Vec3 &p, double fromMd, double &toStation,
    double &toSample)
{
    toStation = toSample = std::numeric_limits<double>::infinity();
    const auto &st = t.stations;
    for (std::size_t i = 0; i < st.size(); ++i) {
        if (st[i].md >= fromMd)
            toStation = std::min(toStation, distance(p, st[i].north, st[i].east, st[i].tvd));
        for (int k = 0; i > 0 && k <= 100; ++k) {
            const double md = st[i - 1].md + (st[i].md - st[i - 1].md) * k / 100;
            const traj::Point q = traj::pointOnArc(st[i - 1], st[i], md);
            if (md >= fromMd)
                toSample = std::min(toSample, distance(p, q.north, q.east, q.tvd));
        }
    }
    toSample = std::min(toSample, toStation);
}

TEST(NearestPoint, NeverFartherThanAStationOrASampleOfTheArcs)
{
    Draw draw { std::mt19937(20240611) };
    for (int path = 0; path < 60; ++path) {
        const traj::Trajectory t = randomPath(draw);
        // Every third path searched from a depth down, as below a kick-off.
        const double fromMd = path % 3 == 2 ? draw(0, t.last().md) : 0.0;
        SCOPED_TRACE("path " + std::to_string(path) + " from MD " + std::to_string(fromMd));
        const clr::PathIndex index(t, fromMd);
        ASSERT_FALSE(index.empty());
        int hint = 0;
        for (const clr::Vec3 &p : pointsAround(t, draw)) {
            const clr::Closest c = index.closest(p, &hint);
            traj::Point on;
            ASSERT_TRUE(traj::pointAtMd(t, c.point.md, on));
            EXPECT_GE(c.point.md, fromMd - 1e-9);
            EXPECT_NEAR(on.north, c.point.north, 1e-9);
            EXPECT_NEAR(on.east, c.point.east, 1e-9);
            EXPECT_NEAR(on.tvd, c.point.tvd, 1e-9);
            EXPECT_NEAR(distance(p, c.point.north, c.point.east, c.point.tvd), c.distance, 1e-12);
            double toStation, toSample;
            bruteForce(t, p, fromMd, toStation, toSample);
            EXPECT_LE(c.distance, toStation + 1e-9);
            EXPECT_LE(c.distance, toSample + 1e-9);
            // Without a hint, or with one far off or out of range: the same point.
            for (int other : { -1, static_cast<int>(t.stations.size()) / 2, 1 << 20 }) {
                int h = other;
                const clr::Closest again = other < 0 ? index.closest(p) : index.closest(p, &h);
                EXPECT_EQ(again.point.md, c.point.md);
                EXPECT_EQ(again.distance, c.distance);
            }
        }
    }
}

// A path of one station, and one searched from its last station or below it.
TEST(NearestPoint, OneStationAndNothingLeft)
{
    const traj::Trajectory one = clr::pathOf({ { 0, 0, 0 } });
    const clr::Closest c = clr::PathIndex(one).closest({ 0, 6, 8 });
    EXPECT_EQ(c.point.md, 0.0);
    EXPECT_DOUBLE_EQ(c.distance, 10.0);
    const traj::Trajectory t = clr::pathOf({ { 0, 0, 0 }, { 50, 10, 0 } });
    EXPECT_EQ(clr::PathIndex(t, 50).closest({ 0, 0, 0 }).point.md, 50.0);
    EXPECT_TRUE(clr::PathIndex(t, 50.5).empty());
    EXPECT_TRUE(clr::PathIndex(traj::Trajectory {}).empty());
}

} // namespace
