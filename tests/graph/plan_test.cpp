// The well's plan on the graph page: its series are the computed stations read by each
// view (north and east from above, TVD and the position along the section's azimuth in
// the section), the page draws them dashed where the page's own ranges put them (turned
// into logical units here), marks the targets, names the plan "Planung" in the legend,
// and draws nothing of a refused plan.
#include "graph/plotoffsets.h"
#include "graph/plotplan.h"
#include "graph/sectionview.h"
#include "offsetwells.h"
#include "recordinghelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace graphtest;

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// Kick-off at 300 m, build at 3°/30 m toward 60° azimuth to 50°, hold, and land at 90°
// on a point further along 60°.
plan::Plan kickOffBuildHoldLand()
{
    plan::Plan p;
    p.sections = { plan::Section::hold(300), plan::Section::arcToInclination(3, 0, 50),
        plan::Section::hold(150),
        plan::Section::landing(4, 700 * std::cos(60 * kDeg), 700 * std::sin(60 * kDeg), 980,
            90, 60) };
    p.start.azimuth = 60;
    p.targets = { plan::Target::landing("Ferse", 700 * std::cos(60 * kDeg),
                      700 * std::sin(60 * kDeg), 980, 5, 90, 60, 1),
        plan::Target::box("Lager", 100, 200, 500, 600, 900, 1000) };
    return p;
}

// The survey that drifts from it: the same build, but east of the plan.
clr::Well drifted()
{
    return wellOf("Ist", { { 0, 0, 0 }, { 300, 0, 70 }, { 500, 20, 72 }, { 800, 50, 75 },
                             { 1200, 52, 75 } });
}

// The logical point of a value pair as the page's ranges and area place it: across and
// up in the top view, the second value across and the first down in the side view and
// the section.
QPoint placed(const GraphPage &p, double x, double y, bool depthDown)
{
    const auto frac = [](double v, double lo, double hi) { return (v - lo) / (hi - lo); };
    if (depthDown)
        return QPoint(static_cast<int>(p.m_Breite * frac(y, p.ymin, p.ymax)),
            -static_cast<int>(p.m_Hoehe * frac(x, p.xmin, p.xmax)));
    return QPoint(static_cast<int>(p.m_Breite * frac(x, p.xmin, p.xmax)),
        static_cast<int>(p.m_Hoehe * frac(y, p.ymin, p.ymax) - p.m_Hoehe));
}

bool near(const QPoint &a, const QPoint &b)
{
    // Rounding of the two ways of forming the fraction: a unit at most.
    return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1;
}

// The polylines drawn with the plan's pen.
std::vector<Rec::Call> dashed(const Rec &rec)
{
    std::vector<Rec::Call> out;
    for (const Rec::Call &c : rec.ofKind(Rec::Kind::Polyline))
        if (c.pen.style == PenStyle::Dashed)
            out.push_back(c);
    return out;
}

} // namespace

TEST(PlanPage, TheTopViewDrawsThePlanDashedWhereItsStationsLie)
{
    const plan::Plan p = kickOffBuildHoldLand();
    const plan::PlanResult result = plan::compute(p, 30);
    ASSERT_TRUE(result.ok());
    const std::vector<plan::PlanStation> &stations = result.plan->stations;
    // The landing ends on its point, level.
    EXPECT_NEAR(stations.back().tvd, 980, 1e-3);
    EXPECT_NEAR(stations.back().inclination, 90, 1e-6);

    const clr::Well hole = drifted();
    PlotData d = plotDataOf(hole.path, PlotView::Top, "Ist");
    addPlan(d, result, p.targets, hole.path, PlotView::Top);
    ASSERT_EQ(d.offsets.size(), 1u);
    ASSERT_TRUE(d.offsets[0].plan);
    ASSERT_EQ(d.offsets[0].count(), static_cast<int>(stations.size()));
    for (std::size_t i = 0; i < stations.size(); ++i) {
        EXPECT_NEAR(d.offsets[0].x[i], stations[i].east, 1e-3);
        EXPECT_NEAR(d.offsets[0].y[i], stations[i].north, 1e-3);
    }

    const DrawnPage page = drawPage(d);
    const std::vector<Rec::Call> lines = dashed(page.rec);
    ASSERT_EQ(lines.size(), 1u) << "the plan, once";
    ASSERT_EQ(lines[0].points.size(), stations.size());
    for (std::size_t i = 0; i < stations.size(); ++i)
        EXPECT_TRUE(near(lines[0].points[i],
            placed(page.page, stations[i].east, stations[i].north, false)))
            << "station " << i << " at " << stations[i].md << " m";
    // The hole is not where the plan is: the red curve ends away from the dashed one.
    EXPECT_NE(page.page.m_Punkte.back(), lines[0].points.back());

    // Each target a circle about its point (the box about its middle), named.
    const QPoint heel = placed(page.page, 700 * std::sin(60 * kDeg), 700 * std::cos(60 * kDeg), false);
    const QPoint box = placed(page.page, 550, 150, false);
    int circles = 0;
    for (const Rec::Call &c : page.rec.ofKind(Rec::Kind::Ellipse)) {
        const QPoint middle((c.x1 + c.x2) / 2, (c.y1 + c.y2) / 2);
        if (!c.filled && (near(middle, heel) || near(middle, box)))
            ++circles;
    }
    EXPECT_EQ(circles, 2);
    EXPECT_NE(page.rec.findText("Ferse"), nullptr);
    EXPECT_NE(page.rec.findText("Lager"), nullptr);
    // In the legend by itself: no heading of neighbouring wells without any.
    EXPECT_NE(page.rec.findText("Planung"), nullptr);
    EXPECT_EQ(page.rec.findText("Nachbarbohrungen"), nullptr);
}

TEST(PlanPage, TheSectionReadsDepthAndThePositionAlongItsAzimuth)
{
    const plan::Plan p = kickOffBuildHoldLand();
    const plan::PlanResult result = plan::compute(p, 25);
    ASSERT_TRUE(result.ok());
    const clr::Well hole = drifted();
    const double azimuth = 60;
    PlotData d = sectionPlotData(hole.path, "Ist", azimuth, LengthUnit::Metre);
    addSectionPlan(d, result, p.targets, azimuth, LengthUnit::Metre);
    ASSERT_EQ(d.offsets.size(), 1u);
    const std::vector<plan::PlanStation> &stations = result.plan->stations;
    const auto along = [&](double north, double east) {
        return north * std::cos(azimuth * kDeg) + east * std::sin(azimuth * kDeg);
    };
    for (std::size_t i = 0; i < stations.size(); ++i) {
        EXPECT_NEAR(d.offsets[0].x[i], stations[i].tvd, 1e-3);
        // The plan lies in the vertical plane along 60°: all its departure is along it.
        EXPECT_NEAR(d.offsets[0].y[i], std::hypot(stations[i].north, stations[i].east), 1e-3);
        EXPECT_NEAR(d.offsets[0].y[i], along(stations[i].north, stations[i].east), 1e-3);
    }
    ASSERT_EQ(d.planTargets.size(), 2u);
    EXPECT_NEAR(d.planTargets[0].x, 980, 1e-3);
    EXPECT_NEAR(d.planTargets[0].y, 700, 1e-3);

    const DrawnPage page = drawPage(d);
    const std::vector<Rec::Call> lines = dashed(page.rec);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].points.size(), stations.size());
    for (std::size_t i = 0; i < stations.size(); ++i)
        EXPECT_TRUE(near(lines[0].points[i],
            placed(page.page, stations[i].tvd, along(stations[i].north, stations[i].east), true)))
            << "station " << i;
}

TEST(PlanPage, ARefusedPlanDrawsNothingAndTheOffsetsKeepTheirHeading)
{
    plan::Plan p = kickOffBuildHoldLand();
    p.sections[1].dls = 45; // steeper than the plan takes
    const plan::PlanResult refused = plan::compute(p, 30);
    ASSERT_FALSE(refused.ok());
    const clr::Well hole = drifted();
    PlotData d = plotDataOf(hole.path, PlotView::Top, "Ist");
    addPlan(d, refused, p.targets, hole.path, PlotView::Top);
    EXPECT_TRUE(d.offsets.empty());
    EXPECT_TRUE(d.planTargets.empty());
    const DrawnPage page = drawPage(d);
    EXPECT_TRUE(dashed(page.rec).empty());
    EXPECT_EQ(page.rec.findText("Planung"), nullptr);

    // A plan beside a neighbouring well: both in the legend, each once.
    const plan::PlanResult ok = plan::compute(kickOffBuildHoldLand(), 30);
    PlotData both = plotDataOf(hole.path, PlotView::Top, "Ist");
    addOffsets(both, offsetPictureOf({ verticalWell("Nachbar", 40, -30) }, clr::Scan {}, false),
        hole.path, PlotView::Top, false);
    addPlan(both, ok, {}, hole.path, PlotView::Top);
    ASSERT_EQ(both.offsets.size(), 2u);
    const DrawnPage drawn = drawPage(both);
    EXPECT_EQ(dashed(drawn.rec).size(), 1u);
    EXPECT_NE(drawn.rec.findText("Planung"), nullptr);
    EXPECT_NE(drawn.rec.findText("Nachbarbohrungen"), nullptr);
    EXPECT_NE(drawn.rec.findText("Nachbar"), nullptr);
}
