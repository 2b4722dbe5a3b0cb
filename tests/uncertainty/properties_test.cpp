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
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// What the parameterised tests compute with: either MWD model, or a survey program of
// three runs (Rev 5's sources to 900 m, Rev 4's to 1500 m, Rev 5's to the end).
enum class Case { Rev4, Rev5, Program };

void PrintTo(Case c, std::ostream *out)
{
    *out << (c == Case::Rev4 ? "Rev4" : c == Case::Rev5 ? "Rev5" : "Program");
}

constexpr double kRad = std::numbers::pi / 180.0;

void expectSame(const unc::Sym3 &a, const unc::Sym3 &b, double relative, const std::string &where)
{
    const double x[6] = { a.xx, a.yy, a.zz, a.xy, a.xz, a.yz },
                 y[6] = { b.xx, b.yy, b.zz, b.xy, b.xz, b.yz };
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

unc::Leg legOf(ErrorModel model, double from, std::optional<double> to)
{
    unc::Leg leg;
    leg.fromMd = from;
    leg.toMd = to;
    const auto terms = unc::terms::termsOf(model);
    leg.terms.assign(terms.begin(), terms.end());
    return leg;
}

unc::Inputs inputs(ErrorModel model)
{
    unc::Inputs in;
    in.model = model;
    in.declination = 3.5;
    return in;
}

unc::Inputs inputs(Case c)
{
    if (c != Case::Program)
        return inputs(c == Case::Rev4 ? ErrorModel::IscwsaMwdRev4 : ErrorModel::IscwsaMwdRev5);
    unc::Inputs in = inputs(ErrorModel::IscwsaMwdRev5);
    in.legs = { legOf(ErrorModel::IscwsaMwdRev5, 0, 900.0),
        legOf(ErrorModel::IscwsaMwdRev4, 900, 1500.0),
        legOf(ErrorModel::IscwsaMwdRev5, 1500, std::nullopt) };
    return in;
}

class ErrorModels : public testing::TestWithParam<Case>
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
    expectSame(
        unc::toHla(c, 90, 90), { c.zz, c.xx, c.yy, c.xz, -c.yz, -c.xy }, 1e-15, "horizontal east");
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

// A vertical hole surveyed every 2.5 m to 3000 m: only the depth sources move it vertically, DRFR
// by its magnitude, DSFS and DSTG in proportion to MD and MD²; XYM3E is random, with its first
// interval counted twice (Rev 5) and its factor √(10 m / 2.5 m) = 2.
TEST(ErrorModelsVertical, ClosedForms)
{
    std::vector<std::array<double, 3>> stations;
    for (int i = 0; i <= 1200; ++i)
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
        EXPECT_NEAR(total[k].zz,
            0.35 * 0.35 + std::pow(5.6e-4 * md, 2) + std::pow(2.5e-7 * md * md, 2), 1e-12);
        const double nn
            = m * m * (2.25 * d * d + static_cast<double>(k - 2) * d * d + 0.25 * d * d);
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
    for (const double md :
        { 1805.0, 12.5, 300.0, 1500.0, 330.0, 2399.0, 0.0, 45.0, 317.0, 1806.0 }) {
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
        shorter.stations.assign(
            path.stations.begin(), path.stations.begin() + std::max(p.interval, 1));
        if (p.md > shorter.stations.back().md) {
            traj::Station end;
            end.md = p.md;
            end.tvd = p.tvd;
            end.inclination = p.inclination;
            end.azimuth = p.azimuth;
            shorter.stations.push_back(end);
        }
        expectSame(got[i], unc::stationCovariances(shorter, in).back(), 1e-12,
            "point " + std::to_string(i));
    }
}

// The same hole surveyed against grid north (convergence 1.2°) or magnetic north: its
// covariance is the true-north one turned into that frame.
TEST_P(ErrorModels, OtherNorthIsTheTurnedCovariance)
{
    const unc::Inputs trueNorth = inputs(GetParam());
    const std::vector<unc::Sym3> reference
        = unc::stationCovariances(surveyOf(deviatedStations()), trueNorth);
    unc::Inputs grid = trueNorth, magnetic = trueNorth;
    grid.north = NorthReference::Grid;
    grid.convergence = 1.2;
    magnetic.north = NorthReference::Magnetic;
    for (const auto &[in, turn] : { std::pair { grid, 1.2 }, std::pair { magnetic, 3.5 } }) {
        const std::vector<unc::Sym3> got
            = unc::stationCovariances(surveyOf(deviatedStations(turn)), in);
        const double c = std::cos(turn * kRad), s = std::sin(turn * kRad);
        for (std::size_t k = 0; k < got.size(); ++k) {
            // Rows of the turn: north' = c·north + s·east, east' = -s·north + c·east.
            const unc::Sym3 &r = reference[k];
            const unc::Sym3 turned { c * c * r.xx + 2 * c * s * r.xy + s * s * r.yy,
                s * s * r.xx - 2 * c * s * r.xy + c * c * r.yy, r.zz,
                (c * c - s * s) * r.xy + c * s * (r.yy - r.xx), c * r.xz + s * r.yz,
                -s * r.xz + c * r.yz };
            expectSame(got[k], turned, 1e-9,
                (turn < 2 ? "grid north, station " : "magnetic north, station ")
                    + std::to_string(k));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(MwdRevisionsAndAProgram, ErrorModels,
    testing::Values(Case::Rev4, Case::Rev5, Case::Program),
    [](const testing::TestParamInfo<Case> &info) {
        std::ostringstream name;
        PrintTo(info.param, &name);
        return name.str();
    });

// The runs of a program are independent: its covariance is the sum of what each run's
// sources give alone (the other runs read without error), at every station. Down to the
// end of the first run it is that run's tool alone, as if the well ended there; below,
// the first run's systematic errors stay as they were at its end.
TEST(SurveyPrograms, RunsAreIndependentSources)
{
    const traj::Trajectory path = surveyOf(deviatedStations());
    const unc::Inputs program = inputs(Case::Program);
    const std::vector<unc::Sym3> got = unc::stationCovariances(path, program);
    std::vector<unc::Sym3> sum(path.stations.size());
    for (std::size_t alone = 0; alone < program.legs.size(); ++alone) {
        unc::Inputs one = program;
        for (std::size_t l = 0; l < one.legs.size(); ++l) {
            for (unc::terms::Term &t : one.legs[l].terms)
                t.magnitude = l == alone ? t.magnitude : 0.0;
        }
        const std::vector<unc::Sym3> part = unc::stationCovariances(path, one);
        for (std::size_t k = 0; k < sum.size(); ++k) {
            const unc::Sym3 &c = part[k];
            sum[k] = { sum[k].xx + c.xx, sum[k].yy + c.yy, sum[k].zz + c.zz, sum[k].xy + c.xy,
                sum[k].xz + c.xz, sum[k].yz + c.yz };
        }
    }
    const std::vector<unc::Sym3> firstTool
        = unc::stationCovariances(path, inputs(ErrorModel::IscwsaMwdRev5));
    for (std::size_t k = 1; k < got.size(); ++k) {
        expectSame(got[k], sum[k], 1e-12, "station " + std::to_string(k));
        if (path.stations[k].md <= 900.0)
            expectSame(got[k], firstTool[k], 1e-12, "first run, station " + std::to_string(k));
    }
    // One tool in two runs is not that tool in one: its systematic errors start afresh
    // below 900 m, and the horizontal uncertainty at the end is smaller.
    unc::Inputs split = inputs(ErrorModel::IscwsaMwdRev5);
    split.legs = { legOf(ErrorModel::IscwsaMwdRev5, 0, 900.0),
        legOf(ErrorModel::IscwsaMwdRev5, 900, std::nullopt) };
    const unc::Sym3 end = unc::stationCovariances(path, split).back();
    EXPECT_LT(end.xx + end.yy, firstTool.back().xx + firstTool.back().yy);
}

// A station that no run holds is found, and only then.
TEST(SurveyPrograms, StationsOutsideTheRunsAreFound)
{
    const traj::Trajectory path = surveyOf(deviatedStations());
    unc::Inputs in = inputs(Case::Program);
    EXPECT_FALSE(unc::stationOutsideLegs(path, in));
    in.legs.back().toMd = 2000.0;
    const auto k = unc::stationOutsideLegs(path, in);
    ASSERT_TRUE(k);
    EXPECT_GT(path.stations[*k].md, 2000.0);
    EXPECT_LE(path.stations[*k - 1].md, 2000.0);
    EXPECT_EQ(unc::legAt(in, 900.0), 0u); // the upper run's last station
    EXPECT_EQ(unc::legAt(in, 900.5), 1u);
}

} // namespace
