// Picking in the 3D view: a point shown on a path gives back its measured depth and its
// place on the arc; where two paths cross in the picture, the nearer one is picked.
#include "scene3d/frame.h"
#include "scene3d/pick.h"
#include "scene3dtest.h"

#include <gtest/gtest.h>

#include <random>

using namespace scene3d;
using namespace scene3dtest;

TEST(Pick3d, APointShownOnThePathGivesItsDepthAndPlace)
{
    const Scene scene = buildScene(
        { wellOf("A", buildSection()), wellOf("B", { { 1800, 75, 260 } }, -300, 200) }, {});
    std::mt19937 random(17);
    std::uniform_real_distribution<double> depth(5, 1495), angle(0, 360), tilt(-60, 80),
        nudge(-1.5, 1.5);
    for (int k = 0; k < 200; ++k) {
        const Camera c = fitted(scene, angle(random), tilt(random), 2000, 1500);
        const double md = depth(random);
        traj::Point p;
        ASSERT_TRUE(traj::pointAtMd(scene.wells[0].path, md, p));
        const Point3 at { p.north, p.east, p.tvd };
        const Projected q = Projector(c)(at);
        // A click a little beside the point, as a hand makes it.
        const double x = q.x + nudge(random), y = q.y + nudge(random);
        const auto picked = pick(scene, c, x, y, 6);
        ASSERT_TRUE(picked.has_value());
        if (picked->well != 0)
            continue; // the other well crosses in front of it there
        // The point picked is on the arc at its depth, and no farther from the click in
        // the picture than the point clicked at.
        traj::Point back;
        ASSERT_TRUE(traj::pointAtMd(scene.wells[0].path, picked->md, back));
        EXPECT_NEAR(length(picked->at - Point3 { back.north, back.east, back.tvd }), 0, 1e-6);
        // The path is drawn through chords turning by 2 degrees; on the arc of 573 m
        // radius they stay within 573 m (1 - cos 1°) of it.
        const double chord = c.scale * 600 / (std::numbers::pi / 3) * (1 - std::cos(kRad)) + 1e-9;
        const Projected shown = Projector(c)(picked->at);
        EXPECT_LE(std::hypot(shown.x - x, shown.y - y), std::hypot(q.x - x, q.y - y) + chord);
        EXPECT_NEAR(std::hypot(shown.x - x, shown.y - y), picked->distance, chord);
        // Where the path is seen at length, its depth is the one clicked at: a metre of
        // path is at least `along` output units there.
        const double step = 1;
        traj::Point ahead;
        ASSERT_TRUE(traj::pointAtMd(scene.wells[0].path, md + step, ahead));
        const Projected next = Projector(c)({ ahead.north, ahead.east, ahead.tvd });
        const double along = std::hypot(next.x - q.x, next.y - q.y) / step;
        if (along > 0.3) {
            EXPECT_LE(std::fabs(picked->md - md), 2 * 1.5 * std::sqrt(2) / along + 1) << md;
        }
    }
}

TEST(Pick3d, NothingNearMeansNoPickAndTheNearerOfTwoCrossingPathsWins)
{
    // Two vertical wells one behind the other, seen from the north: the northern one is
    // nearer and covers the other.
    const Scene scene = buildScene(
        { wellOf("hinten", { { 1000, 0, 0 } }, 0, 0), wellOf("vorn", { { 1000, 0, 0 } }, 100, 0) },
        {});
    Camera c = viewedFrom(Camera {}, StandardView::FromNorth);
    c.target = { 50, 0, 500 };
    c.scale = 1;
    const auto picked = pick(scene, c, 0.5, -100, 3);
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->well, 1);
    // 100 units below the middle at 500 m: 600 m down the vertical hole.
    EXPECT_NEAR(picked->md, 600, 1e-6);
    EXPECT_NEAR(picked->at.tvd, 600, 1e-6);
    EXPECT_NEAR(picked->at.north, 100, 1e-9);
    // Seen from the south the other one.
    c = viewedFrom(c, StandardView::FromSouth);
    EXPECT_EQ(pick(scene, c, -0.5, -100, 3)->well, 0);
    // Beside both.
    EXPECT_FALSE(pick(scene, c, 40, -100, 3).has_value());
    // Below their ends.
    EXPECT_FALSE(pick(scene, c, 0, -600, 3).has_value());
}
