// The well's plan in the 3D scene: a well of its own, at the computed stations, drawn with
// dashes in the view and its legend; none for a refused plan.
#include "graph/recordingdrawcontext.h"
#include "graph3d/view3drender.h"
#include "graph3d/view3dscene.h"
#include "scene3d/frame.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

void ensureGuiApp()
{
    if (!QGuiApplication::instance()) {
        static int argc = 1;
        static char name[] = "graph3d_tests";
        static char *argv[] = { name, nullptr };
        new QGuiApplication(argc, argv);
    }
}

// A vertical survey to 400 m, and a plan that kicks off at 200 m toward east.
well::Well wellWithPlan(double dls)
{
    well::Well w;
    w.name = "Ist";
    for (double md = 0; md <= 400; md += 50)
        w.survey.add({ md, 0, 0 });
    plan::Plan p;
    p.start.azimuth = 90;
    p.sections = { plan::Section::hold(200), plan::Section::arc(dls, 0, 300) };
    w.settings.plan = p;
    return w;
}

} // namespace

TEST(Plan3d, ThePlanIsAWellOfTheSceneAtItsStationsDrawnDashed)
{
    ensureGuiApp();
    analysis::Analysis analysed(wellWithPlan(3));
    analysed.compute();
    ASSERT_TRUE(analysed.plan().ok());
    const scene3d::Scene scene = view3d::wellScene(analysed);
    ASSERT_EQ(scene.wells.size(), 2u);
    EXPECT_FALSE(scene.wells[0].planned);
    const scene3d::SceneWell &planned = scene.wells[1];
    EXPECT_TRUE(planned.planned);
    EXPECT_FALSE(planned.colour == scene.wells[0].colour);
    // Every station of the plan is a point of its path: 30° built on a radius of
    // 30/3 · 180/π m, east of the kick-off.
    const double radius = 30.0 / 3.0 * 180.0 / std::numbers::pi;
    for (const plan::PlanStation &s : analysed.plan().plan->stations) {
        std::size_t i = 0;
        while (i < planned.mds.size() && std::fabs(planned.mds[i] - s.md) > 1e-6)
            ++i;
        ASSERT_LT(i, planned.mds.size()) << s.md;
        EXPECT_NEAR(planned.points[i].north, s.north, 1e-6);
        EXPECT_NEAR(planned.points[i].east, s.east, 1e-6);
        EXPECT_NEAR(planned.points[i].tvd, s.tvd, 1e-6);
    }
    EXPECT_NEAR(planned.points.back().east, radius * (1 - std::cos(std::numbers::pi / 6)), 1e-6);
    EXPECT_NEAR(planned.points.back().tvd, 200 + radius * std::sin(std::numbers::pi / 6), 1e-6);
    EXPECT_NEAR(planned.points.back().north, 0, 1e-6);

    RecordingDrawContext dc;
    view3d::Look look;
    const view3d::Area area { 0, 0, 2000, 2000 };
    view3d::drawView(dc, scene, scene3d::fitted(scene, 180, 0, 2000, 2000), area, look);
    int dashed = 0, solid = 0;
    for (const RecordingDrawContext::Call &c : dc.calls)
        if (c.kind == RecordingDrawContext::Kind::Polyline)
            (c.pen.style == PenStyle::Dashed ? dashed : solid) += 1;
    EXPECT_GT(dashed, 0);
    EXPECT_GT(solid, 0) << "the hole itself stays solid";
    EXPECT_NE(dc.findText("Planung"), nullptr) << "named in the legend";

    // Refused (a rate over the limit): the scene holds the well alone.
    analysed.setSettings(wellWithPlan(45).settings);
    analysed.compute();
    ASSERT_FALSE(analysed.plan().ok());
    EXPECT_EQ(view3d::wellScene(analysed).wells.size(), 1u);
}
