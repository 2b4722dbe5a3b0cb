// The camera of the 3D view against a textbook "look at" camera built from the eye's
// position with cross products, the standard views by what a person sees in them, and
// the moves of the mouse by the points they must leave in place.
#include "scene3d/frame.h"
#include "scene3dtest.h"

#include <gtest/gtest.h>

#include <random>

using namespace scene3d;
using namespace scene3dtest;

namespace {

Camera cameraAt(double azimuth, double elevation, Point3 target = {}, double scale = 1)
{
    Camera c;
    c.azimuth = azimuth;
    c.elevation = elevation;
    c.target = target;
    c.scale = scale;
    return c;
}

} // namespace

TEST(Camera3d, ProjectsAsALookAtCameraFromTheEyesPosition)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-3000, 3000);
    for (double azimuth : { 0.0, 30.0, 90.0, 135.0, 180.0, 225.0, 301.5, 359.0 }) {
        for (double elevation : { -89.0, -45.0, -10.0, 0.0, 12.5, 45.0, 80.0, 89.5 }) {
            const Camera c = cameraAt(azimuth, elevation,
                { coordinate(random), coordinate(random), 1000 + coordinate(random) / 3 }, 0.37);
            const Projector project(c);
            for (int k = 0; k < 5; ++k) {
                const Point3 p { coordinate(random), coordinate(random),
                    coordinate(random) + 3000 };
                const Projected got = project(p);
                const LookAt want = lookAt(c, p);
                EXPECT_NEAR(got.x, want.x, 1e-9 * 3000) << azimuth << "/" << elevation;
                EXPECT_NEAR(got.y, want.y, 1e-9 * 3000) << azimuth << "/" << elevation;
                EXPECT_NEAR(got.depth, want.depth, 1e-9 * 3000) << azimuth << "/" << elevation;
                // Back from the picture and the depth to the point.
                const Point3 back = project.unproject(got.x, got.y, got.depth);
                EXPECT_NEAR(length(back - p), 0, 1e-8);
            }
        }
    }
}

TEST(Camera3d, StandardViewsShowWhatAPersonStandingThereSees)
{
    const Point3 east { 0, 100, 0 }, north { 100, 0, 0 }, deeper { 0, 0, 100 };
    // From the north, looking south: east is on the left, depth goes down, north comes
    // toward the viewer.
    Projector fromNorth(viewedFrom(Camera {}, StandardView::FromNorth));
    EXPECT_NEAR(fromNorth(east).x, -100, 1e-9);
    EXPECT_NEAR(fromNorth(east).y, 0, 1e-9);
    EXPECT_NEAR(fromNorth(deeper).y, -100, 1e-9);
    EXPECT_NEAR(fromNorth(north).depth, 100, 1e-9);
    // From the east: north is on the right.
    Projector fromEast(viewedFrom(Camera {}, StandardView::FromEast));
    EXPECT_NEAR(fromEast(north).x, 100, 1e-9);
    EXPECT_NEAR(fromEast(deeper).y, -100, 1e-9);
    Projector fromSouth(viewedFrom(Camera {}, StandardView::FromSouth));
    EXPECT_NEAR(fromSouth(east).x, 100, 1e-9);
    Projector fromWest(viewedFrom(Camera {}, StandardView::FromWest));
    EXPECT_NEAR(fromWest(north).x, -100, 1e-9);
    // From above: a map, north up and east to the right, the surface nearest.
    Projector above(viewedFrom(Camera {}, StandardView::FromAbove));
    EXPECT_NEAR(above(north).x, 0, 1e-9);
    EXPECT_NEAR(above(north).y, 100, 1e-9);
    EXPECT_NEAR(above(east).x, 100, 1e-9);
    EXPECT_NEAR(above(east).y, 0, 1e-9);
    EXPECT_NEAR(above(deeper).depth, -100, 1e-9);
    // From below the plan is seen mirrored: east on the left when north stays up.
    Projector below(cameraAt(0, -90));
    EXPECT_NEAR(below(north).y, 100, 1e-9);
    EXPECT_NEAR(below(east).x, -100, 1e-9);
}

TEST(Camera3d, TheWheelKeepsThePointUnderThePointer)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> angle(0, 360), tilt(-90, 90), offset(-2000, 2000),
        pointer(-1200, 1200), factor(0.2, 5);
    for (int k = 0; k < 200; ++k) {
        const Camera before
            = cameraAt(angle(random), tilt(random), { offset(random), offset(random), 1500 }, 0.5);
        const double x = pointer(random), y = pointer(random), f = factor(random);
        const Camera after = zoomedAt(before, f, x, y);
        // Any point under the pointer, whatever its depth, stays under it ...
        const Point3 under = Projector(before).unproject(x, y, offset(random));
        const Projected q = Projector(after)(under);
        EXPECT_NEAR(q.x, x, 1e-6);
        EXPECT_NEAR(q.y, y, 1e-6);
        // ... and every other point moves away from it by the factor.
        const Point3 other { offset(random), offset(random), 2000 + offset(random) };
        const Projected p0 = Projector(before)(other), p1 = Projector(after)(other);
        EXPECT_NEAR(std::hypot(p1.x - x, p1.y - y), f * std::hypot(p0.x - x, p0.y - y), 1e-6);
        EXPECT_EQ(after.azimuth, before.azimuth);
        EXPECT_EQ(after.elevation, before.elevation);
    }
}

TEST(Camera3d, PanningMovesThePictureAndTurningKeepsTheMiddle)
{
    const Camera c = cameraAt(200, 35, { 10, 20, 300 }, 0.8);
    const Point3 p { 400, -250, 1200 };
    const Projected before = Projector(c)(p);
    const Projected after = Projector(panned(c, 123, -45))(p);
    EXPECT_NEAR(after.x - before.x, 123, 1e-9);
    EXPECT_NEAR(after.y - before.y, -45, 1e-9);

    // Turning is about the target, which stays in the middle of the picture.
    const Camera turned = orbited(c, 500, 70);
    EXPECT_NEAR(turned.azimuth, 340, 1e-9);
    EXPECT_EQ(turned.elevation, 90);
    EXPECT_EQ(orbited(c, -250, -200).elevation, -90);
    EXPECT_NEAR(orbited(c, -250, 0).azimuth, 310, 1e-9);
    const Projected middle = Projector(turned)(c.target);
    EXPECT_NEAR(middle.x, 0, 1e-12);
    EXPECT_NEAR(middle.y, 0, 1e-12);
    // A double click's centring brings the point to the middle and keeps the scale.
    const Camera centred = centredOn(c, p);
    EXPECT_NEAR(Projector(centred)(p).x, 0, 1e-12);
    EXPECT_EQ(centred.scale, c.scale);
}

TEST(Camera3d, TheFittedViewShowsTheWholeSceneAndFillsOneSide)
{
    const Scene scene = buildScene(
        { wellOf("A", buildSection()), wellOf("B", { { 2000, 80, 250 } }, 40, -30) }, {});
    const double width = 2400, height = 1500, margin = 0.04;
    for (double azimuth : { 0.0, 70.0, 225.0 }) {
        for (double elevation : { 0.0, 25.0, 90.0 }) {
            const Camera c = fitted(scene, azimuth, elevation, width, height, margin);
            const Projector project(c);
            double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
            const auto add = [&](const Point3 &p) {
                const Projected q = project(p);
                x0 = std::min(x0, q.x), x1 = std::max(x1, q.x);
                y0 = std::min(y0, q.y), y1 = std::max(y1, q.y);
            };
            for (const SceneWell &w : scene.wells)
                for (const Point3 &p : w.points)
                    add(p);
            for (double n : { scene.grid.northLow, scene.grid.northHigh })
                for (double e : { scene.grid.eastLow, scene.grid.eastHigh })
                    add({ n, e, 0 });
            const NorthArrow arrow = northArrowOf(scene.grid);
            for (const Point3 &p : { arrow.tail, arrow.head, arrow.left, arrow.right, arrow.label })
                add(p);
            const double usableX = width * (0.5 - margin), usableY = height * (0.5 - margin);
            const std::string where = std::to_string(azimuth) + "/" + std::to_string(elevation);
            EXPECT_GE(x0, -usableX - 1e-6) << where;
            EXPECT_LE(x1, usableX + 1e-6) << where;
            EXPECT_GE(y0, -usableY - 1e-6) << where;
            EXPECT_LE(y1, usableY + 1e-6) << where;
            // In the middle, and filling the side that limits the scale.
            EXPECT_NEAR(x0 + x1, 0, 1e-6) << where;
            EXPECT_NEAR(y0 + y1, 0, 1e-6) << where;
            EXPECT_NEAR(std::max((x1 - x0) / usableX, (y1 - y0) / usableY), 2, 1e-9) << where;
        }
    }
}
