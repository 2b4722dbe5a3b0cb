// The 3D view drawn through the drawing layer: the order in which the back end gets the
// wells, the tube beneath the paths, nothing outside the view's rectangle, labels that do
// not cover one another, and a printed page whose stated scale is the scale it draws.
#include "core/utf8.h"
#include "graph/recordingdrawcontext.h"
#include "graph3d/view3dexport.h"
#include "graph3d/view3drender.h"
#include "scene3d/frame.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRect>

#include <cstdio>
#include <cstdlib>
#include <numbers>

using Kind = RecordingDrawContext::Kind;

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

traj::Trajectory pathOf(const std::vector<std::array<double, 3>> &stations)
{
    traj::Trajectory t;
    t.stations.push_back({});
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

scene3d::WellInput wellOf(const std::string &name, scene3d::Rgb colour,
    const std::vector<std::array<double, 3>> &stations, double slotNorth, double slotEast,
    double variance = 0)
{
    scene3d::WellInput w;
    w.name = name;
    w.colour = colour;
    w.path = pathOf(stations);
    w.slotNorth = slotNorth;
    w.slotEast = slotEast;
    if (variance > 0)
        for (const traj::Station &s : w.path.stations)
            w.covariances.push_back({ variance * s.md / 1000, variance * s.md / 1000,
                variance * s.md / 1000, 0, 0, 0 });
    return w;
}

// A deep horizontal hole toward north in red under a shallow one toward east in blue,
// crossing in the plan; the shallow one with a tube.
scene3d::Scene crossing()
{
    scene3d::SceneOptions o;
    o.sigmas = 2;
    return scene3d::buildScene(
        { wellOf(
              "tief", { 255, 0, 0 }, { { 1000, 0, 0 }, { 1100, 90, 0 }, { 2000, 90, 0 } }, -500, 0),
            wellOf("flach", { 0, 0, 255 }, { { 600, 0, 0 }, { 700, 90, 90 }, { 1600, 90, 90 } }, 0,
                -500, 40) },
        o);
}

bool reddish(const DrawColor &c)
{
    return c.r > c.b + 40;
}

bool bluish(const DrawColor &c)
{
    return c.b > c.r + 40;
}

} // namespace

TEST(Render3d, TheNearerWellIsDrawnOverTheFartherAndTheTubeBeneathThePaths)
{
    ensureGuiApp();
    const scene3d::Scene scene = crossing();
    const view3d::Area area { 0, 0, 2000, 2000 };
    RecordingDrawContext dc;
    view3d::Look look;
    look.legend = false;
    // From above: the shallow blue hole is nearer.
    view3d::drawView(dc, scene, scene3d::fitted(scene, 180, 90, 2000, 2000), area, look);
    int lastRed = -1, firstBlue = -1, firstFill = -1, lastFill = -1, firstPath = -1;
    for (std::size_t i = 0; i < dc.calls.size(); ++i) {
        const RecordingDrawContext::Call &c = dc.calls[i];
        const int at = static_cast<int>(i);
        if (c.kind == Kind::FillArea) {
            EXPECT_LT(c.fill.a, 255);
            EXPECT_TRUE(bluish(c.fill));
            firstFill = firstFill < 0 ? at : firstFill;
            lastFill = at;
        }
        if (c.kind != Kind::Polyline || c.pen.width < 2)
            continue; // the grid, the rings
        if (reddish(c.pen.color))
            lastRed = at;
        if (bluish(c.pen.color) && firstBlue < 0)
            firstBlue = at;
        if (firstPath < 0 && (reddish(c.pen.color) || bluish(c.pen.color)))
            firstPath = at;
    }
    ASSERT_GE(lastRed, 0);
    ASSERT_GE(firstBlue, 0);
    EXPECT_LT(lastRed, firstBlue);
    ASSERT_GE(firstFill, 0);
    EXPECT_LT(lastFill, firstPath);

    // From below the red one is nearer and drawn last.
    RecordingDrawContext below;
    view3d::drawView(below, scene, scene3d::fitted(scene, 0, -90, 2000, 2000), area, look);
    int lastBlue = -1, firstRed = -1;
    for (std::size_t i = 0; i < below.calls.size(); ++i) {
        const auto &c = below.calls[i];
        if (c.kind != Kind::Polyline || c.pen.width < 2)
            continue;
        if (bluish(c.pen.color))
            lastBlue = static_cast<int>(i);
        if (reddish(c.pen.color) && firstRed < 0)
            firstRed = static_cast<int>(i);
    }
    EXPECT_LT(lastBlue, firstRed);
}

TEST(Render3d, NothingIsDrawnOutsideTheViewAndNoLabelCoversAnother)
{
    ensureGuiApp();
    const scene3d::Scene scene = crossing();
    // A view somewhere on a page, zoomed in so that much of the scene lies outside.
    const view3d::Area area { 300, -200, 1500, 900 };
    scene3d::Camera c = scene3d::fitted(scene, 225, 25, area.width, area.height);
    c = scene3d::zoomedAt(c, 3, 100, -50);
    RecordingDrawContext dc;
    view3d::Look look;
    look.uncertaintyCaption = "Unsicherheit: ISCWSA MWD Rev. 5, 2 Sigma";
    look.northCaption = "Nord und Ost: Gitternord (EPSG:25832); Deklination 2,50°";
    view3d::drawView(dc, scene, c, area, look);
    EXPECT_NE(dc.findText(look.northCaption), nullptr);
    const QRect inside(area.left, area.top - area.height, area.width + 1, area.height + 1);
    int texts = 0;
    std::vector<QRect> boxes;
    for (const auto &call : dc.calls) {
        switch (call.kind) {
        case Kind::Polyline:
            for (const QPoint &p : call.points)
                EXPECT_TRUE(inside.contains(p)) << p.x() << " " << p.y();
            break;
        case Kind::FillArea:
            for (const auto &polygon : call.polygons)
                for (const QPoint &p : polygon)
                    EXPECT_TRUE(inside.contains(p)) << p.x() << " " << p.y();
            break;
        case Kind::Ellipse:
        case Kind::Rectangle:
            EXPECT_TRUE(inside.contains(QPoint(call.x1, call.y1)));
            EXPECT_TRUE(inside.contains(QPoint(call.x2, call.y2)));
            break;
        case Kind::LineTo:
            EXPECT_TRUE(inside.contains(QPoint(call.x1, call.y1)));
            break;
        case Kind::Text: {
            ++texts;
            // The recording back end's texts are 6/10 of the font's height wide per
            // character, hanging from their top left corner.
            const int w = static_cast<int>(utf8::length(call.text)) * call.font.height * 6 / 10;
            const QRect box(call.x1, call.y1 - call.font.height, w, call.font.height);
            EXPECT_TRUE(inside.contains(box)) << call.text;
            for (const QRect &other : boxes)
                EXPECT_FALSE(other.intersects(box)) << call.text;
            boxes.push_back(box);
            break;
        }
        default:
            break;
        }
    }
    EXPECT_GE(texts, 4); // the legend, the scale bar, the direction and some labels at least
}

TEST(Render3d, ThePrintedPageStatesTheScaleItDraws)
{
    ensureGuiApp();
    // One inclined hole seen from above: the markers at its ends lie as far apart on the
    // page as its displacement at the page's scale.
    const scene3d::Scene scene
        = scene3d::buildScene({ wellOf("Schräg", { 255, 0, 0 },
                                  { { 200, 0, 60 }, { 400, 60, 60 }, { 1500, 60, 60 } }, 0, 0) },
            {});
    const traj::Station &end = scene.wells[0].path.stations.back();
    const double displacement = std::hypot(end.north, end.east);
    const scene3d::Camera screen = scene3d::fitted(scene, 180, 90, 1000, 700);
    const view3d::Area page { 0, 0, 2770, 1900 };
    RecordingDrawContext dc;
    view3d::PageTexts texts;
    texts.wellName = "Schräg";
    texts.documentTitle = "test.dvn";
    view3d::drawPage(dc, scene, screen, 1000, 700, page, texts, true);
    ASSERT_NE(dc.findText("3D-Ansicht: Schräg"), nullptr);
    ASSERT_NE(dc.findText("Dokument test.dvn"), nullptr);
    long long denominator = 0;
    for (const auto &call : dc.texts())
        if (std::sscanf(call.text.c_str(), "Maßstab 1:%lld", &denominator) == 1)
            break;
    ASSERT_GT(denominator, 0);
    const auto ellipses = dc.ofKind(Kind::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    const auto middle = [](const RecordingDrawContext::Call &e) {
        return QPointF((e.x1 + e.x2) / 2.0, (e.y1 + e.y2) / 2.0);
    };
    const QPointF d = middle(ellipses[1]) - middle(ellipses[0]);
    // Logical units are tenths of a millimetre: 1:N puts N metres on 10000 units.
    EXPECT_NEAR(std::hypot(d.x(), d.y()), displacement * 10000.0 / denominator, 2.0);
    // The page shows what the screen showed, larger: the view on the page is wider.
    EXPECT_LT(10000.0 / denominator / screen.scale, 3.0);
    EXPECT_GT(10000.0 / denominator / screen.scale, 1.0);

    // A line naming the north takes a row of the legend, and the legend still ends on the
    // page.
    texts.northCaption = "Nord und Ost: Geographisch Nord; Deklination 2,50°";
    RecordingDrawContext named;
    view3d::drawPage(named, scene, screen, 1000, 700, page, texts, true);
    ASSERT_NE(named.findText(texts.northCaption), nullptr);
    for (const auto &call : named.texts())
        EXPECT_GE(call.y1 - call.font.height, page.top - page.height) << call.text;
}
