// The plot value made from a trajectory: its series against the geometry of a well of
// known shape, its switches per view, the end of an aborted run, and a page of far more
// points than the program once took.
#include "graphtestdata.h"
#include "recordinghelpers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace graphtest;

namespace {

constexpr double kPi = 3.14159265358979323846;

// A build of 30 degrees per 100 m from the surface to 60 degrees at 200 m, then 100 m
// held, all at azimuth 30: one circular arc and one straight piece, which the
// minimum-curvature method follows exactly.
const std::vector<std::string> kBuildAndHold { "100 30 30", "200 60 30", "300 60 30" };

struct Expected
{
    double tvd, displacement;
};

// The same positions from the circle and the straight line themselves.
std::vector<Expected> buildAndHoldPositions()
{
    const double radius = 100.0 / (30.0 * kPi / 180.0);
    const auto onArc = [&](double inclinationDeg) {
        const double a = inclinationDeg * kPi / 180.0;
        return Expected { radius * std::sin(a), radius * (1.0 - std::cos(a)) };
    };
    const Expected at200 = onArc(60.0);
    return { { 0.0, 0.0 }, onArc(30.0), at200,
        { at200.tvd + 100.0 * std::cos(kPi / 3.0),
            at200.displacement + 100.0 * std::sin(kPi / 3.0) } };
}

TEST(PlotValue, SideViewIsDepthDisplacementAndItsAzimuth)
{
    const PlotData d = plotDataOf(trajectoryOf(kBuildAndHold), PlotView::Side, "B 7");
    const std::vector<Expected> e = buildAndHoldPositions();
    ASSERT_EQ(d.count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(d.x[i], e[i].tvd, 1e-3) << i;
        EXPECT_NEAR(d.y[i], e[i].displacement, 1e-3) << i;
        // The surface has no direction: its azimuth is 0.
        EXPECT_NEAR(d.y1[i], i == 0 ? 0.0 : 30.0, 1e-3) << i;
    }
    EXPECT_EQ(d.grafikTitel, "B 7");
    EXPECT_EQ(d.kurven, 2);
    EXPECT_EQ(d.invers, 1);
    EXPECT_FALSE(d.y1Titel.empty());
    EXPECT_FALSE(d.legende1.empty());
    EXPECT_FALSE(d.abortDepth);
}

TEST(PlotValue, TopViewIsEastAgainstNorth)
{
    const PlotData d = plotDataOf(trajectoryOf(kBuildAndHold), PlotView::Top, "B 7");
    const std::vector<Expected> e = buildAndHoldPositions();
    ASSERT_EQ(d.count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(d.x[i], e[i].displacement * std::sin(kPi / 6.0), 1e-3) << i;
        EXPECT_NEAR(d.y[i], e[i].displacement * std::cos(kPi / 6.0), 1e-3) << i;
        EXPECT_EQ(d.y1[i], 0.0f) << i;
    }
    // One curve, north up the page; no second axis to caption.
    EXPECT_EQ(d.kurven, 1);
    EXPECT_EQ(d.invers, 0);
    EXPECT_TRUE(d.y1Titel.empty());
    EXPECT_TRUE(d.legende1.empty());
    EXPECT_EQ(plotViewOf(1), PlotView::Top);
    EXPECT_EQ(plotViewOf(0), PlotView::Side);
}

TEST(PlotValue, SeriesAreTheTrajectoryInSinglePrecision)
{
    const traj::Trajectory t = trajectoryOf(kExampleStations);
    const PlotData side = plotDataOf(t, PlotView::Side, "");
    const PlotData top = plotDataOf(t, PlotView::Top, "");
    for (std::size_t i = 1; i < t.stations.size(); ++i) {
        EXPECT_EQ(side.x[i], static_cast<float>(t.stations[i].tvd));
        EXPECT_EQ(side.y1[i], static_cast<float>(t.stations[i].displacementAzimuth));
        EXPECT_EQ(top.y[i], static_cast<float>(t.stations[i].north));
    }
}

TEST(PlotValue, AnAbortedRunEndsAtItsLastStation)
{
    // The dogleg to the third station is more than 90 degrees.
    const traj::Trajectory t = trajectoryOf({ "100 0 0", "250 5 0", "300 120 0" });
    ASSERT_NE(t.stop.kind, traj::StopKind::None);
    for (PlotView view : { PlotView::Side, PlotView::Top }) {
        const PlotData d = plotDataOf(t, view, "");
        EXPECT_EQ(d.count(), 3);
        ASSERT_TRUE(d.abortDepth);
        EXPECT_DOUBLE_EQ(*d.abortDepth, 250.0);
    }
    EXPECT_FALSE(plotDataOf(traj::Trajectory(), PlotView::Side, "").abortDepth);
    EXPECT_EQ(plotDataOf(traj::Trajectory(), PlotView::Side, "").count(), 0);
}

TEST(PlotValue, TenThousandStationsAreScaledAndDrawnWhole)
{
    // A well building slowly from the vertical: 10,000 stations of 1 m.
    std::vector<std::string> lines;
    for (int i = 1; i <= 10000; ++i)
        lines.push_back(std::to_string(i) + " " + std::to_string(i * 0.005) + " 45");
    const PlotData d = plotDataOf(trajectoryOf(lines), PlotView::Side, "Lang");
    ASSERT_EQ(d.count(), 10001);
    const DrawnPage p = drawPage(d);
    EXPECT_EQ(p.page.m_Punktzahl, 10001);
    const auto polys = p.rec.ofKind(Rec::Kind::Polyline);
    ASSERT_FALSE(polys.empty());
    ASSERT_EQ(polys[0].points.size(), 10001u);
    // Every point where the displayed ranges put it: depth down, displacement across.
    for (std::size_t i = 0; i < polys[0].points.size(); i += 999) {
        const QPoint pt = polys[0].points[i];
        EXPECT_NEAR(pt.y(), -p.H * (d.x[i] - p.page.xmin) / (p.page.xmax - p.page.xmin), 1.0) << i;
        EXPECT_NEAR(pt.x(), p.W * (d.y[i] - p.page.ymin) / (p.page.ymax - p.page.ymin), 1.0) << i;
    }
    // The deepest station is inside the depth range, not cut off at a former limit.
    EXPECT_GE(p.page.xmax, d.x.back());
    EXPECT_LE(p.page.xmax - p.page.deltax, d.x.back());
}

} // namespace

TEST(PlotValue, StationsOutsideTheToleranceGetASquareOnTheirPointAndALegend)
{
    ensureGuiApp();
    const traj::Trajectory t = trajectoryOf(kExampleStations);
    for (const int ansicht : { 0, 1 }) {
        PlotData d = plotDataOf(t, plotViewOf(ansicht), "Testbohrung");
        const PlotData unmarked = d;
        // 250 m is no station, 5000 m lies beyond the path: neither is marked.
        markOutsideTolerance(d, t, { 200.0, 250.0, 5000.0 });
        ASSERT_EQ(d.outsideTolerance, std::vector<int> { 2 }) << ansicht;

        const DrawnPage p = drawPage(d);
        std::vector<QPoint> curve;
        for (const Rec::Call &c : p.rec.ofKind(Rec::Kind::Polyline))
            if (c.pen == graphstyle::kCurvePen && curve.empty())
                curve = c.points;
        ASSERT_GT(curve.size(), 2u);
        int onPoint = 0, elsewhere = 0;
        for (const Rec::Call &c : p.rec.ofKind(Rec::Kind::Rectangle)) {
            if (!(c.pen == graphstyle::kOutsideTolerancePen))
                continue;
            const QPoint centre((c.x1 + c.x2) / 2, (c.y1 + c.y2) / 2);
            (centre == curve[2] ? onPoint : elsewhere) += 1;
        }
        EXPECT_EQ(onPoint, 1) << ansicht;
        EXPECT_EQ(elsewhere, 1) << "the legend's sample";
        EXPECT_TRUE(p.rec.findText("Messpunkt außerhalb der Toleranz")) << ansicht;

        // A page without such stations draws neither.
        const DrawnPage plain = drawPage(unmarked);
        for (const Rec::Call &c : plain.rec.ofKind(Rec::Kind::Rectangle))
            EXPECT_FALSE(c.pen == graphstyle::kOutsideTolerancePen);
        EXPECT_FALSE(plain.rec.findText("Messpunkt außerhalb der Toleranz"));
    }
}
