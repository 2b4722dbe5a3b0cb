// The scene of the 3D view: its paths on the arcs (a circle of known centre and radius),
// its rings as the ellipses of the covariance in the plane normal to the hole (checked in
// a basis of the test's own), its depth marks, its grid and the frames of offset wells.
#include "scene3d/scene.h"
#include "scene3dtest.h"
#include "uncertainty/uncertainty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace scene3d;
using namespace scene3dtest;

namespace {

Point3 tangent(double inclination, double azimuth)
{
    const double i = inclination * kRad, a = azimuth * kRad;
    return { std::sin(i) * std::cos(a), std::sin(i) * std::sin(a), std::cos(i) };
}

Point3 cross(const Point3 &a, const Point3 &b)
{
    return { a.east * b.tvd - a.tvd * b.east, a.tvd * b.north - a.north * b.tvd,
        a.north * b.east - a.east * b.north };
}

Point3 normalised(const Point3 &a)
{
    return (1 / length(a)) * a;
}

double quadratic(const Point3 &u, const unc::Sym3 &c, const Point3 &w)
{
    const Point3 cw { c.xx * w.north + c.xy * w.east + c.xz * w.tvd,
        c.xy * w.north + c.yy * w.east + c.yz * w.tvd,
        c.xz * w.north + c.yz * w.east + c.zz * w.tvd };
    return dot(u, cw);
}

bool isRound(double step)
{
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-12));
    return std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9
        || std::fabs(mantissa - 5) < 1e-9;
}

} // namespace

TEST(Scene3d, PathPointsLieOnTheCircleOfTheirArc)
{
    SceneOptions options;
    options.maxTurn = 2;
    const Scene scene = buildScene({ wellOf("A", buildSection()) }, options);
    ASSERT_EQ(scene.wells.size(), 1u);
    const SceneWell &w = scene.wells[0];
    ASSERT_EQ(w.points.size(), w.mds.size());
    // The arc from 300 m to 900 m turns by 60 degrees in the vertical plane toward 45
    // degrees: a circle of radius 600 m / (pi/3) about a centre level with its top.
    const double radius = 600 / (std::numbers::pi / 3);
    const Point3 centre { radius * std::cos(45 * kRad), radius * std::sin(45 * kRad), 300 };
    int onArc = 0;
    for (std::size_t i = 0; i < w.points.size(); ++i) {
        const Point3 &p = w.points[i];
        traj::Point exact;
        ASSERT_TRUE(traj::pointAtMd(w.path, w.mds[i], exact));
        EXPECT_NEAR(length(p - Point3 { exact.north, exact.east, exact.tvd }), 0, 1e-9);
        if (w.mds[i] > 300 && w.mds[i] < 900) {
            ++onArc;
            EXPECT_NEAR(length(p - centre), radius, 1e-6) << w.mds[i];
            EXPECT_NEAR(p.north, p.east, 1e-9);
        }
        if (i > 0) {
            EXPECT_GT(w.mds[i], w.mds[i - 1]);
        }
    }
    // Enough points that neighbouring chords turn by no more than the option allows.
    EXPECT_GE(onArc, 29);
    for (std::size_t i = 2; i < w.points.size(); ++i) {
        const Point3 a = w.points[i - 1] - w.points[i - 2], b = w.points[i] - w.points[i - 1];
        const double turn = std::acos(std::clamp(dot(a, b) / (length(a) * length(b)), -1.0, 1.0));
        EXPECT_LE(turn, options.maxTurn * kRad + 1e-9) << w.mds[i];
    }
    // The straight piece below the arc needs no points between its stations.
    EXPECT_EQ(std::count_if(w.mds.begin(), w.mds.end(), [](double md) { return md > 900; }), 1);
}

TEST(Scene3d, RingsAreTheEllipsesOfTheCovarianceInThePlaneNormalToTheHole)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<double> entry(-3, 3), inclination(0, 180), azimuth(0, 360),
        sigmas(0.5, 4);
    for (int k = 0; k < 100; ++k) {
        // A covariance A Aᵀ, positive definite.
        double a[3][3];
        for (auto &row : a)
            for (double &v : row)
                v = entry(random);
        const auto c = [&](int i, int j) {
            return a[i][0] * a[j][0] + a[i][1] * a[j][1] + a[i][2] * a[j][2] + (i == j ? 0.1 : 0);
        };
        const unc::Sym3 nev { c(0, 0), c(1, 1), c(2, 2), c(0, 1), c(0, 2), c(1, 2) };
        const double inc = inclination(random), azi = azimuth(random), s = sigmas(random);
        const Point3 centre { 10, 20, 30 };
        const Ring r = ringOf(centre, nev, inc, azi, s);
        const Point3 t = tangent(inc, azi);
        EXPECT_NEAR(dot(r.major, t), 0, 1e-9);
        EXPECT_NEAR(dot(r.minor, t), 0, 1e-9);
        EXPECT_NEAR(dot(r.major, r.minor), 0, 1e-9);
        EXPECT_GE(length(r.major), length(r.minor) - 1e-12);
        EXPECT_EQ(r.centre, centre);
        // A basis of the normal plane of the test's own; every point of the ring lies on
        // the ellipse x ᵀ C⁻¹ x = s² of the covariance's part in that plane.
        const Point3 helper = std::fabs(t.north) < 0.9 ? Point3 { 1, 0, 0 } : Point3 { 0, 1, 0 };
        const Point3 u = normalised(cross(t, helper)), w = cross(t, u);
        const double cuu = quadratic(u, nev, u), cuw = quadratic(u, nev, w),
                     cww = quadratic(w, nev, w);
        const double det = cuu * cww - cuw * cuw;
        for (double angle = 0; angle < 6.3; angle += 0.7) {
            const Point3 x = std::cos(angle) * r.major + std::sin(angle) * r.minor;
            const double xu = dot(x, u), xw = dot(x, w);
            const double form = (cww * xu * xu - 2 * cuw * xu * xw + cuu * xw * xw) / det;
            EXPECT_NEAR(form, s * s, 1e-7 * s * s);
        }
    }
    // A vertical hole with 4 m² north and 1 m² east at 2 σ: 4 m toward north, 2 m east.
    const Ring vertical = ringOf({}, { 4, 1, 9, 0, 0, 0 }, 0, 0, 2);
    EXPECT_NEAR(std::fabs(vertical.major.north), 4, 1e-12);
    EXPECT_NEAR(std::fabs(vertical.minor.east), 2, 1e-12);
    EXPECT_NEAR(vertical.major.tvd, 0, 1e-12);
}

TEST(Scene3d, OneRingPerPointWithCovariancesOfTheStations)
{
    WellInput with = wellOf("A", buildSection());
    // Growing with depth, the same along each axis: the rings are circles whose radius
    // between two stations lies between theirs.
    for (const traj::Station &s : with.path.stations)
        with.covariances.push_back({ s.md / 100, s.md / 100, s.md / 100, 0, 0, 0 });
    WellInput mismatched = wellOf("B", buildSection(), 50, 0);
    mismatched.covariances.resize(2);
    SceneOptions options;
    options.sigmas = 2;
    const Scene scene = buildScene({ with, mismatched }, options);
    EXPECT_EQ(scene.sigmas, 2);
    const SceneWell &a = scene.wells[0];
    ASSERT_EQ(a.rings.size(), a.points.size());
    for (std::size_t i = 0; i < a.rings.size(); ++i) {
        EXPECT_EQ(a.rings[i].centre, a.points[i]);
        EXPECT_NEAR(length(a.rings[i].major), 2 * std::sqrt(a.mds[i] / 100), 1e-9) << a.mds[i];
        EXPECT_NEAR(length(a.rings[i].minor), 2 * std::sqrt(a.mds[i] / 100), 1e-9);
    }
    EXPECT_TRUE(scene.wells[1].rings.empty());
    // Without a multiple of σ no well has a tube.
    EXPECT_TRUE(buildScene({ with }, {}).wells[0].rings.empty());
    EXPECT_EQ(buildScene({ with }, {}).sigmas, 0);
}

TEST(Scene3d, DepthMarksAtRoundDepthsOnThePaths)
{
    const Scene scene
        = buildScene({ wellOf("A", buildSection()), wellOf("B", { { 730, 30, 200 } }, 0, 25) }, {});
    EXPECT_TRUE(isRound(scene.markStep)) << scene.markStep;
    for (const SceneWell &w : scene.wells) {
        // Every multiple of the step along the path, the wellhead's 0 excepted.
        const auto expected = static_cast<std::size_t>(std::floor(w.mds.back() / scene.markStep));
        ASSERT_EQ(w.marks.size(), expected) << w.name;
        for (std::size_t k = 0; k < w.marks.size(); ++k) {
            EXPECT_NEAR(w.marks[k].md, (k + 1) * scene.markStep, 1e-9);
            traj::Point p;
            ASSERT_TRUE(traj::pointAtMd(w.path, w.marks[k].md, p));
            EXPECT_NEAR(length(w.marks[k].at - w.inFrame(p.north, p.east, p.tvd)), 0, 1e-9);
        }
    }
    // Between four and ten marks along the longest path.
    EXPECT_GE(scene.wells[0].marks.size(), 4u);
    EXPECT_LE(scene.wells[0].marks.size(), 10u);
}

TEST(Scene3d, OffsetWellsStandInTheReferenceFrameAndTheGridCoversAll)
{
    WellInput offset = wellOf("B", { { 1000, 50, 300 } }, -120, 340);
    offset.depthShift = 7.5;
    const Scene scene = buildScene({ wellOf("A", buildSection()), offset }, {});
    const SceneWell &b = scene.wells[1];
    const traj::Station &last = b.path.stations.back();
    EXPECT_NEAR(b.points.back().north, last.north - 120, 1e-9);
    EXPECT_NEAR(b.points.back().east, last.east + 340, 1e-9);
    EXPECT_NEAR(b.points.back().tvd, last.tvd + 7.5, 1e-9);
    EXPECT_EQ(b.points.front(), (Point3 { -120, 340, 7.5 }));

    const Grid &g = scene.grid;
    EXPECT_TRUE(isRound(g.spacing)) << g.spacing;
    for (double v : { g.northLow, g.northHigh, g.eastLow, g.eastHigh })
        EXPECT_NEAR(v / g.spacing, std::round(v / g.spacing), 1e-9);
    EXPECT_GE(g.northHigh - g.northLow, 2 * g.spacing);
    EXPECT_GE(g.eastHigh - g.eastLow, 2 * g.spacing);
    for (const SceneWell &w : scene.wells) {
        for (const Point3 &p : w.points) {
            EXPECT_GE(p.north, g.northLow);
            EXPECT_LE(p.north, g.northHigh);
            EXPECT_GE(p.east, g.eastLow);
            EXPECT_LE(p.east, g.eastHigh);
            EXPECT_GE(p.tvd, scene.bounds.low.tvd);
            EXPECT_LE(p.tvd, scene.bounds.high.tvd);
        }
    }
    // A vertical well gets a grid around it nonetheless.
    const Scene vertical = buildScene({ wellOf("V", { { 2000, 0, 0 } }) }, {});
    EXPECT_GT(vertical.grid.spacing, 0);
    EXPECT_LT(vertical.grid.northLow, 0);
    EXPECT_GT(vertical.grid.northHigh, 0);
}

TEST(Scene3d, RoundStepsAreOneTwoOrFiveTimesAPowerOfTen)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<double> exponent(-3, 6);
    for (int k = 0; k < 500; ++k) {
        const double x = std::pow(10.0, exponent(random));
        const double up = roundStep(x);
        EXPECT_TRUE(isRound(up)) << x;
        EXPECT_GE(up, x * (1 - 1e-12));
        EXPECT_LT(up, 2.5 * x);
    }
    for (double exact : { 1.0, 2.0, 5.0, 10.0, 0.02, 5000.0 })
        EXPECT_DOUBLE_EQ(roundStep(exact), exact);
}
