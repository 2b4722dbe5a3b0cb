// The numeric trajectory: the interval function on arcs of known geometry, points along
// the arcs against an independent rotation of the tangent, station depths that give the
// stations themselves, every crossing of a true vertical depth, and where a run stops.
#include "core/cformat.h"
#include "core/scriptedprompter.h"
#include "core/survey.h"
#include "core/trajectory.h"
#include "tests/support/rotatedtangent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

struct Surveyed
{
    SurveyData s;
    ScriptedPrompter p;

    explicit Surveyed(const StringList &lines)
    {
        s.m_Eingabe = lines;
        s.berechnung(p);
    }

    const traj::Trajectory &t() const { return s.trajectory(); }

    // The same stations, as the run held them, for the independent path.
    rotated::Path independent() const
    {
        std::vector<double> md, inc, azi;
        for (int i = 0; i < s.m_MaxWerte; ++i) {
            md.push_back(s.m_Teufe[i]);
            inc.push_back(s.m_Phi[i]);
            azi.push_back(s.m_Theta[i]);
        }
        return rotated::Path(md, inc, azi);
    }
};

// A random survey that builds, turns, drops and (with `upward`) goes beyond horizontal,
// every dogleg well below 90 degrees, some intervals straight.
StringList randomSurvey(unsigned seed, bool upward)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> step(5.0, 60.0), change(-6.0, 6.0), turn(-15.0, 15.0);
    StringList lines;
    double md = 0, inc = 0, azi = std::uniform_real_distribution<double>(0, 360)(rng);
    for (int i = 0; i < 120; ++i) {
        md += step(rng);
        if (i % 7 != 3) { // every seventh interval keeps its direction
            const double target = upward && i > 40 ? 110.0 : 45.0;
            inc = std::clamp(inc + change(rng) + (target - inc) * 0.05, 0.0, 180.0);
            azi = std::fmod(azi + turn(rng) + 360.0, 360.0);
        }
        lines.push_back(cfmt("%.2f %.3f %.3f", md, inc, azi));
    }
    return lines;
}

void expectNear(
    const traj::Point &p, const rotated::Vec &want, double tolerance, const std::string &where)
{
    EXPECT_NEAR(p.tvd, want.d, tolerance) << where;
    EXPECT_NEAR(p.north, want.n, tolerance) << where;
    EXPECT_NEAR(p.east, want.e, tolerance) << where;
}

} // namespace

TEST(Trajectory, IntervalOnAnArcOfKnownRadius)
{
    // 20 m of a 250 m arc in the vertical plane towards east: 4.5837 degrees.
    const double beta = 20.0 / 250.0;
    const double inc2 = beta * 180.0 / std::numbers::pi;
    const traj::Interval iv
        = traj::computeInterval(100.0, traj::directionOf(0, 0), 120.0, traj::directionOf(inc2, 90));
    EXPECT_EQ(iv.check, traj::IntervalCheck::Curved);
    EXPECT_NEAR(iv.radius, 250.0, 1e-9);
    EXPECT_NEAR(iv.doglegRad, beta, 1e-12);
    EXPECT_NEAR(iv.doglegPer30, inc2 * 1.5, 1e-9);
    EXPECT_NEAR(iv.ratioFactor, std::tan(beta / 2) / (beta / 2), 1e-12);
    // The arc's own geometry: R sin(beta) down, R (1 - cos(beta)) east.
    EXPECT_NEAR(iv.dTvd, 250.0 * std::sin(beta), 1e-9);
    EXPECT_NEAR(iv.dEast, 250.0 * (1.0 - std::cos(beta)), 1e-9);
    EXPECT_NEAR(iv.dNorth, 0.0, 1e-12);

    const traj::Interval straight
        = traj::computeInterval(0, traj::directionOf(30, 40), 50, traj::directionOf(30, 40));
    EXPECT_EQ(straight.check, traj::IntervalCheck::Straight);
    EXPECT_EQ(straight.radius, 0.0);
    EXPECT_EQ(straight.ratioFactor, 1.0);
    EXPECT_NEAR(straight.dTvd, 50.0 * std::cos(30.0 * std::numbers::pi / 180), 1e-12);

    EXPECT_EQ(
        traj::computeInterval(0, traj::directionOf(0, 0), 10, traj::directionOf(120, 0)).check,
        traj::IntervalCheck::DoglegTooLarge);
    EXPECT_EQ(traj::computeInterval(10, traj::directionOf(5, 0), 10, traj::directionOf(6, 0)).check,
        traj::IntervalCheck::EqualDepths);
}

TEST(Trajectory, PointsAlongTheArcsAgreeWithARotatedTangent)
{
    for (unsigned seed : { 1u, 2u, 3u }) {
        for (bool upward : { false, true }) {
            const Surveyed r(randomSurvey(seed, upward));
            ASSERT_FALSE(r.s.lastRunAborted());
            const traj::Trajectory &t = r.t();
            ASSERT_EQ(static_cast<int>(t.stations.size()), r.s.m_MaxWerte);
            const rotated::Path path = r.independent();
            for (std::size_t i = 0; i < path.size(); ++i)
                expectNear(traj::stationPoint(t, i), path.station(i), 1e-6, cfmt("station %zu", i));
            for (double md = 0; md <= t.last().md; md += 3.7) {
                traj::Point p;
                ASSERT_TRUE(traj::pointAtMd(t, md, p)) << md;
                expectNear(p, path.at(md), 1e-6, cfmt("seed %u md %g", seed, md));
                // The direction on the arc: the tangent of the independent path by a
                // central difference.
                const double h = 1e-4;
                if (md > h && md + h < t.last().md && !p.atStation) {
                    const rotated::Vec a = path.at(md - h), b = path.at(md + h);
                    const rotated::Vec want = rotated::tangent(p.inclination, p.azimuth);
                    EXPECT_NEAR((b.d - a.d) / (2 * h), want.d, 1e-6);
                    EXPECT_NEAR((b.n - a.n) / (2 * h), want.n, 1e-6);
                    EXPECT_NEAR((b.e - a.e) / (2 * h), want.e, 1e-6);
                }
            }
        }
    }
}

TEST(Trajectory, StationDepthsGiveTheStationsThemselves)
{
    const Surveyed r({ "100 0 0", "200 10 45", "1234.56 20 90", "1300 21 91" });
    const traj::Trajectory &t = r.t();
    traj::Point p;
    ASSERT_TRUE(traj::pointAtMd(t, 200.0, p));
    EXPECT_TRUE(p.atStation);
    EXPECT_EQ(p.tvd, t.stations[2].tvd);
    EXPECT_EQ(p.north, t.stations[2].north);
    // The depth as typed, not as single precision holds it.
    ASSERT_TRUE(traj::pointAtMd(t, 1234.56, p));
    EXPECT_TRUE(p.atStation);
    EXPECT_EQ(p.east, t.stations[3].east);
    EXPECT_EQ(p.md, t.stations[3].md);
    // The ends are inside, beyond them nothing.
    EXPECT_TRUE(traj::pointAtMd(t, 0.0, p));
    EXPECT_TRUE(traj::pointAtMd(t, 1300.0, p));
    EXPECT_FALSE(traj::pointAtMd(t, 1300.01, p));
    EXPECT_FALSE(traj::pointAtMd(t, -0.01, p));
    // The table prints the trajectory's values.
    EXPECT_EQ(r.s.m_Ergebnisse.back().substr(34, 9), cfmt(" %8.2f", t.last().tvd));
}

TEST(Trajectory, EveryCrossingOfATrueVerticalDepth)
{
    // Builds through the horizontal and climbs again: depths between about 420 m and
    // the deepest point are reached twice.
    const Surveyed r({ "100 0 0", "200 30 90", "300 60 90", "400 85 90", "500 100 90", "600 120 90",
        "700 140 90" });
    const traj::Trajectory &t = r.t();
    ASSERT_EQ(t.stations.size(), 8u);
    const rotated::Path path = r.independent();
    double deepest = 0;
    for (double md = 0; md <= 700; md += 0.01)
        deepest = std::max(deepest, path.at(md).d);

    for (double target : { 50.0, 250.0, 380.0, deepest - 0.5, deepest - 1e-3 }) {
        // Independent count: sign changes of the depth along a fine sampling.
        int changes = 0;
        double before = path.at(0).d - target;
        for (double md = 0.05; md <= 700.0; md += 0.05) {
            const double now = path.at(md).d - target;
            if ((before < 0) != (now < 0))
                ++changes;
            before = now;
        }
        const std::vector<traj::Point> found = traj::pointsAtTvd(t, target);
        EXPECT_EQ(static_cast<int>(found.size()), changes) << "target " << target;
        for (std::size_t k = 0; k < found.size(); ++k) {
            EXPECT_NEAR(found[k].tvd, target, 1e-9);
            expectNear(found[k], path.at(found[k].md), 1e-6, cfmt("crossing at %g", found[k].md));
            if (k > 0) {
                EXPECT_GT(found[k].md, found[k - 1].md);
            }
        }
    }
    // The last station's depth: once on the way down, then the station itself.
    const std::vector<traj::Point> atLast = traj::pointsAtTvd(t, t.last().tvd);
    ASSERT_EQ(atLast.size(), 2u);
    EXPECT_LT(atLast[0].md, 400.0);
    EXPECT_TRUE(atLast[1].atStation);
    EXPECT_EQ(atLast[1].md, 700.0);

    EXPECT_TRUE(traj::pointsAtTvd(t, deepest + 0.01).empty());
    EXPECT_TRUE(traj::pointsAtTvd(t, -1.0).empty());
    EXPECT_EQ(traj::pointsAtTvd(t, 0.0).size(), 1u) << "the surface, once";
}

TEST(Trajectory, WhereARunStopped)
{
    const Surveyed bent({ "100 0 0", "200 10 0", "300 120 15" });
    const traj::Trajectory &t = bent.t();
    EXPECT_EQ(t.stop.kind, traj::StopKind::DoglegTooLarge);
    EXPECT_EQ(t.stop.station, 3);
    EXPECT_EQ(t.stop.md, 300.0);
    EXPECT_EQ(t.stop.inclination, 120.0);
    EXPECT_EQ(t.stop.azimuth, 15.0);
    EXPECT_EQ(t.stations.size(), 3u) << "the stations before the abort stay";
    EXPECT_EQ(t.stationsGiven, 4);
    traj::Point p;
    EXPECT_FALSE(traj::pointAtMd(t, 250.0, p));

    // Equal depths cannot pass the validation, so the station arrays are set directly.
    SurveyData s;
    ScriptedPrompter prompter;
    s.m_MaxWerte = 3;
    s.m_Teufe[1] = 50.0f;
    s.m_Teufe[2] = 50.0f;
    s.schmiegungskreis(prompter);
    EXPECT_EQ(s.trajectory().stop.kind, traj::StopKind::EqualDepths);
    EXPECT_EQ(s.trajectory().stop.previousMd, 50.0);
    EXPECT_EQ(s.trajectory().stations.size(), 2u);

    const Surveyed complete({ "100 0 0", "200 10 0" });
    EXPECT_EQ(complete.t().stop.kind, traj::StopKind::None);
    EXPECT_EQ(complete.t().stations.size(), 3u);
}
