// The numeric trajectory against a tangent turned about the dogleg axis: stations,
// points along the arcs with their direction, every crossing of a true vertical depth,
// station depths that give the stations themselves, and where a run stops.
#include "core/cformat.h"
#include "tests/support/rotatedtangent.h"
#include "tests/support/welltest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <numbers>
#include <random>

namespace {

// The stations are read and checked by the well layer; the trajectory under test is the
// results table's, computed from the stations in single precision.
struct Surveyed
{
    well::Computation c;

    explicit Surveyed(const StringList &lines)
        : c(well::compute(welltest::wellOf(lines)))
    {
    }
    const traj::Trajectory &t() const { return c.legacy; }

    // The same stations as the run held them.
    rotated::Path independent() const
    {
        std::vector<double> md, inc, azi;
        for (const well::Station &st : c.checked.stations) {
            md.push_back(static_cast<float>(st.md));
            inc.push_back(static_cast<float>(st.inclination));
            azi.push_back(static_cast<float>(st.azimuth));
        }
        return rotated::Path(md, inc, azi);
    }
};

// Builds, turns and drops at random, every seventh interval straight; with `upward` the
// hole goes beyond the horizontal.
StringList randomSurvey(unsigned seed, bool upward)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> step(5.0, 60.0), change(-6.0, 6.0), turn(-15.0, 15.0);
    StringList lines;
    double md = 0, inc = 0, azi = 360.0 * seed / 7.0;
    for (int i = 0; i < 120; ++i) {
        md += step(rng);
        if (i % 7 != 3) {
            inc = std::clamp(
                inc + change(rng) + ((upward && i > 40 ? 110.0 : 45.0) - inc) * 0.05, 0.0, 180.0);
            azi = std::fmod(azi + turn(rng) + 360.0, 360.0);
        }
        lines.push_back(cfmt("%.2f %.3f %.3f", md, inc, azi));
    }
    return lines;
}

void expectAt(const traj::Point &p, const rotated::Vec &want, const std::string &where)
{
    EXPECT_NEAR(p.tvd, want.d, 1e-6) << where;
    EXPECT_NEAR(p.north, want.n, 1e-6) << where;
    EXPECT_NEAR(p.east, want.e, 1e-6) << where;
}

const StringList kUpward = { "100 0 0", "200 30 90", "300 60 90", "400 85 90", "500 100 90",
    "600 120 90", "700 140 90" };

} // namespace

TEST(Trajectory, StationsAndPointsAlongTheArcsAgreeWithARotatedTangent)
{
    for (unsigned seed : { 1u, 2u, 3u }) {
        for (bool upward : { false, true }) {
            const Surveyed r(randomSurvey(seed, upward));
            const traj::Trajectory &t = r.t();
            ASSERT_EQ(t.stations.size(), r.c.checked.stations.size());
            const rotated::Path path = r.independent();
            for (std::size_t i = 0; i < t.stations.size(); ++i)
                expectAt(traj::stationPoint(t, i), path.station(i), cfmt("station %zu", i));
            const double h = 1e-4;
            for (double md = 0; md <= t.last().md; md += 3.7) {
                traj::Point p;
                ASSERT_TRUE(traj::pointAtMd(t, md, p)) << md;
                expectAt(p, path.at(md), cfmt("seed %u md %g", seed, md));
                if (p.atStation || md < h || md + h > t.last().md)
                    continue;
                // The direction on the arc is the path's own tangent.
                const rotated::Vec a = path.at(md - h), b = path.at(md + h);
                const rotated::Vec want = rotated::tangent(p.inclination, p.azimuth);
                EXPECT_NEAR((b.d - a.d) / (2 * h), want.d, 1e-6) << md;
                EXPECT_NEAR((b.n - a.n) / (2 * h), want.n, 1e-6) << md;
                EXPECT_NEAR((b.e - a.e) / (2 * h), want.e, 1e-6) << md;
            }
        }
    }
}

TEST(Trajectory, EveryCrossingOfATrueVerticalDepth)
{
    const Surveyed r(kUpward);
    const traj::Trajectory &t = r.t();
    const rotated::Path path = r.independent();
    double deepest = 0;
    for (double md = 0; md <= 700; md += 0.01)
        deepest = std::max(deepest, path.at(md).d);
    for (double target : { 50.0, 250.0, 380.0, deepest - 0.5, deepest - 1e-3 }) {
        int changes = 0; // sign changes along a fine sampling of the independent path
        for (double md = 0.05; md <= 700.0; md += 0.05)
            changes += (path.at(md - 0.05).d < target) != (path.at(md).d < target);
        const std::vector<traj::Point> found = traj::pointsAtTvd(t, target);
        EXPECT_EQ(static_cast<int>(found.size()), changes) << "target " << target;
        for (std::size_t k = 0; k < found.size(); ++k) {
            EXPECT_NEAR(found[k].tvd, target, 1e-9);
            expectAt(found[k], path.at(found[k].md), cfmt("crossing at %g", found[k].md));
            EXPECT_TRUE(k == 0 || found[k].md > found[k - 1].md);
        }
    }
    // The last station's depth: once on the way down, then the station itself.
    const std::vector<traj::Point> atLast = traj::pointsAtTvd(t, t.last().tvd);
    ASSERT_EQ(atLast.size(), 2u);
    EXPECT_LT(atLast[0].md, 400.0);
    EXPECT_TRUE(atLast[1].atStation);
    EXPECT_TRUE(traj::pointsAtTvd(t, deepest + 0.01).empty());
    EXPECT_EQ(traj::pointsAtTvd(t, 0.0).size(), 1u) << "the surface, once";
}

TEST(Trajectory, StationDepthsGiveTheStationsAndRunsRecordWhereTheyStopped)
{
    const Surveyed r({ "100 0 0", "200 10 45", "1234.56 20 90", "1300 21 91" });
    traj::Point p;
    // The depth as typed, not as single precision holds it, is the station.
    ASSERT_TRUE(traj::pointAtMd(r.t(), 1234.56, p));
    EXPECT_TRUE(p.atStation);
    EXPECT_EQ(p.east, r.t().stations[3].east);
    EXPECT_TRUE(traj::pointAtMd(r.t(), 1300.0, p));
    EXPECT_FALSE(traj::pointAtMd(r.t(), 1300.01, p));
    EXPECT_FALSE(traj::pointAtMd(r.t(), -0.01, p));
    EXPECT_EQ(r.t().stop.kind, traj::StopKind::None);

    const Surveyed bent({ "100 0 0", "200 10 0", "300 120 15" });
    const traj::Stop &stop = bent.t().stop;
    EXPECT_EQ(stop.kind, traj::StopKind::DoglegTooLarge);
    EXPECT_EQ(stop.station, 3);
    EXPECT_EQ(stop.inclination, 120.0);
    EXPECT_EQ(bent.t().stations.size(), 3u) << "the stations before the abort stay";
    EXPECT_FALSE(traj::pointAtMd(bent.t(), 250.0, p));
}

// The pass of every output but the table, on the stations as entered: the rotated tangent's
// positions to far below a millimetre over a long random well, and the table's own stops
// and straight pieces for the same stations.
TEST(Trajectory, TheNumericPassAgreesWithARotatedTangentAndStopsWhereTheTableDoes)
{
    const auto stationsOf = [](const StringList &lines) {
        traj::Trajectory t;
        for (const std::string &line : lines) {
            // Read in the C notation: the tests run under a German locale.
            traj::Station s;
            double *values[3] = { &s.md, &s.inclination, &s.azimuth };
            const char *at = line.data(), *end = line.data() + line.size();
            for (double *v : values) {
                while (at < end && *at == ' ')
                    ++at;
                at = std::from_chars(at, end, *v).ptr;
            }
            t.stations.push_back(s);
        }
        return t;
    };
    std::vector<StringList> surveys = { kUpward,
        // A change of direction of 90 degrees, and one of depth 0.
        { "0 0 0", "100 10 0", "200 10 0", "300 100 180", "400 100 180" },
        { "0 0 0", "100 10 0", "100 20 0", "200 20 0" } };
    for (unsigned seed : { 4u, 5u, 6u })
        for (bool upward : { false, true })
            surveys.push_back(randomSurvey(seed, upward));
    // Longer than the pass's blocks of stations; the second one stops in its third block.
    StringList longer;
    for (int i = 0; i < 5000; ++i)
        longer.push_back(cfmt("%d %.4f %.4f", 3 * i, 40.0 + 30.0 * std::sin(i / 300.0),
            std::fmod(0.07 * i * i / 100.0, 360.0)));
    surveys.push_back(longer);
    longer[4500] = longer[4499];
    surveys.push_back(longer);
    for (const StringList &lines : surveys) {
        traj::Trajectory numeric = stationsOf(lines), table = stationsOf(lines);
        traj::computeNumericTrajectory(numeric);
        traj::computeTrajectory(table);
        ASSERT_EQ(numeric.stations.size(), table.stations.size()) << lines.back();
        EXPECT_EQ(numeric.stop.kind, table.stop.kind);
        EXPECT_EQ(numeric.stop.station, table.stop.station);
        std::vector<double> md, inc, azi;
        for (const traj::Station &s : numeric.stations) {
            md.push_back(s.md);
            inc.push_back(s.inclination);
            azi.push_back(s.azimuth);
        }
        const rotated::Path path(md, inc, azi);
        for (std::size_t i = 0; i < numeric.stations.size(); ++i) {
            const traj::Station &s = numeric.stations[i], &u = table.stations[i];
            const rotated::Vec want = path.station(i);
            EXPECT_NEAR(s.tvd, want.d, 1e-9 * (1 + s.md)) << i;
            EXPECT_NEAR(s.north, want.n, 1e-9 * (1 + s.md)) << i;
            EXPECT_NEAR(s.east, want.e, 1e-9 * (1 + s.md)) << i;
            // The table's pass takes doglegs below about 1e-6 degrees for straight pieces
            // and finds tiny ones between equal directions; both agree on the rest.
            if (u.doglegPer30 > 1e-5 && !u.straight) {
                EXPECT_FALSE(s.straight) << i;
                EXPECT_NEAR(s.doglegPer30, u.doglegPer30, 1e-9) << i;
                EXPECT_NEAR(s.radius, u.radius, 1e-9 * (1 + u.radius)) << i;
            } else {
                EXPECT_LT(s.doglegPer30, 1e-5) << i;
            }
            const bool sameDirection = i > 0
                && rotated::tangent(inc[i - 1], azi[i - 1]).n == rotated::tangent(inc[i], azi[i]).n
                && rotated::tangent(inc[i - 1], azi[i - 1]).e == rotated::tangent(inc[i], azi[i]).e
                && rotated::tangent(inc[i - 1], azi[i - 1]).d == rotated::tangent(inc[i], azi[i]).d;
            if (sameDirection) {
                EXPECT_TRUE(s.straight) << i;
                EXPECT_EQ(s.radius, 0.0) << i;
            }
            EXPECT_NEAR(s.depthLoss, s.md - s.tvd, 1e-9 * (1 + s.md)) << i;
            EXPECT_NEAR(s.displacement, std::hypot(s.north, s.east), 1e-9 * (1 + s.md)) << i;
            if (s.displacement > 1e-6) {
                EXPECT_NEAR(s.displacementAzimuth, u.displacementAzimuth, 1e-7) << i;
            }
            EXPECT_GE(s.displacementAzimuth, 0.0);
            EXPECT_LT(s.displacementAzimuth, 360.0);
        }
    }
}

// A dogleg of a ten-millionth of a degree: the arc cosine of the table's pass has lost most
// of its digits there, the chord between the directions has not.
TEST(Trajectory, TheNumericPassKeepsTheSmallestDoglegs)
{
    traj::Trajectory t;
    t.stations.resize(2);
    t.stations[0].inclination = t.stations[1].inclination = 30.0;
    t.stations[0].azimuth = t.stations[1].azimuth = 45.0;
    t.stations[1].md = 100.0;
    t.stations[1].inclination += 1e-7;
    traj::computeNumericTrajectory(t);
    ASSERT_EQ(t.stations.size(), 2u);
    const double radians = 1e-7 * std::numbers::pi / 180.0;
    EXPECT_NEAR(t.stations[1].doglegRad, radians, radians * 1e-6);
    EXPECT_NEAR(t.stations[1].doglegPer30, 30.0 * 1e-7 / 100.0, 3e-8 * 1e-6);
    EXPECT_FALSE(t.stations[1].straight);
}

// The columns of a run long enough to be shared between two threads are the records of
// the one-thread pass to the last bit: with every column or a few, without a stop, and
// with a stop (a change of direction above 90 degrees, two depths alike) in either half.
TEST(Trajectory, TheColumnsOfALongRunAreTheRecordsOfOnePass)
{
    constexpr std::size_t n = 200000;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> step(0.5, 30.0), turn(-4.0, 4.0);
    traj::Trajectory base;
    base.origin = { 120.5, -3.25, 8.0 };
    base.stations.resize(n);
    double md = 130.0, inc = 5.0, azi = 350.0;
    for (std::size_t i = 0; i < n; ++i) {
        base.stations[i].md = md;
        base.stations[i].inclination = inc;
        base.stations[i].azimuth = azi;
        md += step(random);
        inc = std::clamp(inc + turn(random), 0.0, 85.0);
        azi = std::fmod(azi + 3 * turn(random) + 360.0, 360.0);
        if (i % 997 == 0)
            inc = 0.0; // vertical, whatever the azimuth says
    }
    const auto bent = [&base](std::size_t at, bool right) {
        traj::Trajectory t = base;
        if (right) {
            t.stations[at].inclination = 90.0;
            t.stations[at + 1] = t.stations[at];
            t.stations[at + 1].md += 10.0;
            t.stations[at + 1].azimuth = std::fmod(t.stations[at].azimuth + 100.0, 360.0);
        } else {
            t.stations[at + 1].md = t.stations[at].md;
        }
        return t;
    };
    const std::vector<traj::Trajectory> runs = { base, bent(30000, true), bent(150000, true),
        bent(120000, false) };
    for (const traj::Trajectory &given : runs) {
        traj::Trajectory one = given;
        traj::computeNumericTrajectory(one);
        const traj::StationInput input = [&given](std::size_t first, std::size_t count,
                                             double *m, double *i, double *a) {
            for (std::size_t k = 0; k < count; ++k) {
                m[k] = given.stations[first + k].md;
                i[k] = given.stations[first + k].inclination;
                a[k] = given.stations[first + k].azimuth;
            }
        };
        for (bool every : { true, false }) {
            std::vector<std::vector<double>> c(11, std::vector<double>(n, -1.0));
            const auto column = [&c, every](std::size_t k) {
                return every || k == 3 || k == 4 || k == 5 || k == 8 ? c[k].data() : nullptr;
            };
            const std::size_t reached = traj::computeNumericColumns(n, given.origin, input,
                [](std::size_t) { return true; },
                { column(0), column(1), column(2), column(3), column(4), column(5), column(6),
                    column(7), column(8), column(9), column(10) });
            ASSERT_EQ(reached, one.stations.size());
            EXPECT_EQ(reached == n, &given == &runs.front());
            for (std::size_t i = 0; i < reached; ++i) {
                const traj::Station &s = one.stations[i];
                const double want[11] = { s.md, s.inclination, s.azimuth, s.tvd, s.north, s.east,
                    s.displacement, s.displacementAzimuth, i == 0 ? 0.0 : s.doglegPer30,
                    i == 0 ? 0.0 : s.radius, s.depthLoss };
                for (std::size_t k = 0; k < 11; ++k) {
                    if (column(k)) {
                        ASSERT_EQ(c[k][i], want[k]) << "column " << k << ", station " << i;
                    }
                }
            }
        }
    }
}
