// Properties of the frames and of the error models, checked with arithmetic of their own:
// rotations, closed forms for a vertical hole, a point as the end of a shorter survey, a
// survey against grid or magnetic north as the same hole turned.
#include "core/trajectory.h"
#include "uncertainty/uncertainty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

void expectSame(const unc::Sym3 &a, const unc::Sym3 &b, double relative, const std::string &where)
{
    const double x[6] = { a.xx, a.yy, a.zz, a.xy, a.xz, a.yz }, y[6] = { b.xx, b.yy, b.zz, b.xy, b.xz, b.yz };
    const double size = std::max({ std::abs(b.xx), std::abs(b.yy), std::abs(b.zz), 1e-12 });
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(x[i], y[i], relative * size) << where << " element " << i;
}

traj::Trajectory surveyOf(const std::vector<std::array<double, 3>> &stations)
{
    traj::Trajectory t;
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

// Vertical to 300 m, then building and turning through north to the right, then holding.
std::vector<std::array<double, 3>> deviatedStations(double turn = 0)
{
    std::vector<std::array<double, 3>> out;
    for (int i = 0; i <= 80; ++i) {
        const double md = 30.0 * i, build = std::clamp(md - 300.0, 0.0, 1200.0) / 20.0;
        const double azimuth = build > 0 ? 340.0 + 0.8 * std::min(i - 10, 40) : 0.0;
        out.push_back({ md, build, std::fmod(azimuth - turn + 720.0, 360.0) });
    }
    return out;
}

unc::Inputs inputs(ErrorModel model)
{
    unc::Inputs in;
    in.model = model;
    in.declination = 3.5;
    return in;
}

class ErrorModels : public testing::TestWithParam<ErrorModel>
{
};

TEST(Frames, HighSideFrameIsARotation)
{
    const unc::Sym3 c { 4.0, 2.0, 9.0, 0.5, -1.0, 0.25 };
    for (const double inclination : { 0.0, 35.0, 90.0, 150.0 }) {
        for (const double azimuth : { 0.0, 75.0, 210.0 }) {
            const unc::Sym3 h = unc::toHla(c, inclination, azimuth);
            EXPECT_NEAR(h.xx + h.yy + h.zz, c.xx + c.yy + c.zz, 1e-12);
        }
    }
    // Straight down: high side is north at azimuth 0. Horizontal towards east: high side
    // is up, lateral (to the right) is south, along hole is east.
    expectSame(unc::toHla(c, 0, 0), c, 1e-15, "vertical");
    expectSame(unc::toHla(c, 90, 90), { c.zz, c.xx, c.yy, c.xz, -c.yz, -c.xy }, 1e-15, "horizontal east");
}

TEST(Frames, EllipseOfDiagonalAndTurnedCovariances)
{
    const unc::Ellipse north = unc::horizontalEllipse({ 9, 4, 1, 0, 0, 0 }, 2);
    EXPECT_DOUBLE_EQ(north.semiMajor, 6);
    EXPECT_DOUBLE_EQ(north.semiMinor, 4);
    EXPECT_DOUBLE_EQ(north.majorAzimuth, 0);
    EXPECT_NEAR(unc::horizontalEllipse({ 4, 9, 1, 0, 0, 0 }, 1).majorAzimuth, 90, 1e-12);
    for (const double azimuth : { 30.0, 150.0 }) {
        // 9 along the azimuth, 4 across it.
        const double n = std::cos(azimuth * kRad), e = std::sin(azimuth * kRad);
        const unc::Ellipse t = unc::horizontalEllipse(
            { 9 * n * n + 4 * e * e, 9 * e * e + 4 * n * n, 1, 5 * n * e, 0, 0 }, 1);
        EXPECT_NEAR(t.semiMajor, 3, 1e-12);
        EXPECT_NEAR(t.semiMinor, 2, 1e-12);
        EXPECT_NEAR(t.majorAzimuth, azimuth, 1e-9);
    }
}

// A vertical hole surveyed every 2.5 m: only the depth sources move it vertically, DRFR by
// its magnitude, DSFS and DSTG in proportion to MD and MD²; XYM3E is random, with its
// first interval counted twice (Rev 5) and its factor √(10 m / 2.5 m) = 2.
TEST(ErrorModelsVertical, ClosedForms)
{
    std::vector<std::array<double, 3>> stations;
    for (int i = 0; i <= 40; ++i)
        stations.push_back({ 2.5 * i, 0, 0 });
    const traj::Trajectory path = surveyOf(stations);
    const unc::Inputs in = inputs(ErrorModel::IscwsaMwdRev5);
    const std::vector<unc::Sym3> total = unc::stationCovariances(path, in);
    std::vector<unc::Sym3> xym3;
    for (const unc::SourceCovariances &s : unc::sourceBreakdown(path, in)) {
        if (s.code == "XYM3E")
            xym3 = s.stations;
    }
    ASSERT_EQ(xym3.size(), stations.size());
    const double m = 0.3 * kRad * 2, d = 2.5;
    for (std::size_t k = 2; k < stations.size(); ++k) {
        const double md = 2.5 * k;
        EXPECT_NEAR(total[k].zz, 0.35 * 0.35 + std::pow(5.6e-4 * md, 2) + std::pow(2.5e-7 * md * md, 2), 1e-12);
        const double nn = m * m * (2.25 * d * d + static_cast<double>(k - 2) * d * d + 0.25 * d * d);
        EXPECT_NEAR(xym3[k].xx, nn, 1e-12 * nn) << md;
        EXPECT_EQ(xym3[k].yy, 0);
        EXPECT_GT(total[k].zz, total[k - 1].zz);
    }
}

// The totals, with sources of one weighting function taken together, are the sum of the
// sources one by one.
TEST_P(ErrorModels, TotalIsTheSumOfTheSources)
{
    const traj::Trajectory path = surveyOf(deviatedStations());
    const std::vector<unc::Sym3> total = unc::stationCovariances(path, inputs(GetParam()));
    std::vector<unc::Sym3> sum(total.size());
    for (const unc::SourceCovariances &s : unc::sourceBreakdown(path, inputs(GetParam()))) {
        for (std::size_t k = 0; k < sum.size(); ++k) {
            const unc::Sym3 &c = s.stations[k];
            sum[k] = { sum[k].xx + c.xx, sum[k].yy + c.yy, sum[k].zz + c.zz, sum[k].xy + c.xy,
                sum[k].xz + c.xz, sum[k].yz + c.yz };
        }
    }
    for (std::size_t k = 0; k < total.size(); ++k)
        expectSame(total[k], sum[k], 1e-12, "station " + std::to_string(k));
}

// A point on the path has the covariance of the last station of a survey that ends there.
TEST_P(ErrorModels, PointIsTheEndOfAShorterSurvey)
{
    const std::vector<std::array<double, 3>> stations = deviatedStations();
    const traj::Trajectory path = surveyOf(stations);
    const unc::Inputs in = inputs(GetParam());
    std::vector<traj::Point> points;
    for (const double md : { 1805.0, 12.5, 300.0, 1500.0, 330.0, 2399.0, 0.0, 45.0, 317.0, 1806.0 }) {
        const std::size_t k = static_cast<std::size_t>(std::ceil(md / 30.0));
        traj::Point p = traj::pointOnArc(path.stations[std::max<std::size_t>(k, 1) - 1],
            path.stations[std::max<std::size_t>(k, 1)], md);
        p.interval = static_cast<int>(k);
        points.push_back(p);
    }
    traj::Point atStation;
    ASSERT_TRUE(traj::pointAtMd(path, 1200.0, atStation));
    points.push_back(atStation);
    const std::vector<unc::Sym3> got = unc::pointCovariances(path, in, points);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const traj::Point &p = points[i];
        traj::Trajectory shorter;
        shorter.stations.assign(path.stations.begin(), path.stations.begin() + std::max(p.interval, 1));
        if (p.md > shorter.stations.back().md) {
            traj::Station end;
            end.md = p.md;
            end.tvd = p.tvd;
            end.inclination = p.inclination;
            end.azimuth = p.azimuth;
            shorter.stations.push_back(end);
        }
        expectSame(got[i], unc::stationCovariances(shorter, in).back(), 1e-12, "MD " + std::to_string(p.md));
    }
}

// The same hole surveyed against grid north (convergence 1.2°) or magnetic north: its
// covariance is the true-north one turned into that frame.
TEST_P(ErrorModels, OtherNorthIsTheTurnedCovariance)
{
    const unc::Inputs trueNorth = inputs(GetParam());
    const std::vector<unc::Sym3> reference = unc::stationCovariances(surveyOf(deviatedStations()), trueNorth);
    unc::Inputs grid = trueNorth, magnetic = trueNorth;
    grid.north = NorthReference::Grid;
    grid.convergence = 1.2;
    magnetic.north = NorthReference::Magnetic;
    for (const auto &[in, turn] : { std::pair { grid, 1.2 }, std::pair { magnetic, 3.5 } }) {
        const std::vector<unc::Sym3> got = unc::stationCovariances(surveyOf(deviatedStations(turn)), in);
        const double c = std::cos(turn * kRad), s = std::sin(turn * kRad);
        for (std::size_t k = 0; k < got.size(); ++k) {
            // Rows of the turn: north' = c·north + s·east, east' = -s·north + c·east.
            const unc::Sym3 &r = reference[k];
            const unc::Sym3 turned { c * c * r.xx + 2 * c * s * r.xy + s * s * r.yy,
                s * s * r.xx - 2 * c * s * r.xy + c * c * r.yy, r.zz,
                (c * c - s * s) * r.xy + c * s * (r.yy - r.xx), c * r.xz + s * r.yz, -s * r.xz + c * r.yz };
            expectSame(got[k], turned, 1e-9, "turn " + std::to_string(turn) + " station " + std::to_string(k));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(MwdRevisions, ErrorModels,
    testing::Values(ErrorModel::IscwsaMwdRev4, ErrorModel::IscwsaMwdRev5),
    [](const testing::TestParamInfo<ErrorModel> &info) {
        return info.param == ErrorModel::IscwsaMwdRev4 ? "Rev4" : "Rev5";
    });

} // namespace
