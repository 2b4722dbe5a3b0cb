// The arcs a plan is made of against the minimum-curvature interval worked out here, and
// the tool face against the directions it names.
#include "plan/geometry.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace plantest;
using plan::geom::Arc;
using plan::geom::Vec;

namespace {

V asV(const Vec &v)
{
    return { v.n, v.e, v.d };
}

} // namespace

// Between any two of its points the arc is the minimum-curvature interval of their
// directions: the chord is half the length times the ratio factor tan(b/2)/(b/2) times the
// sum of the two tangents.
TEST(PlanGeometry, ArcIsTheMinimumCurvatureIntervalBetweenAnyTwoPoints)
{
    for (double toolFace : { 0.0, 60.0, 135.0, 250.0 }) {
        for (double inclination : { 0.0, 35.0, 90.0, 160.0 }) {
            const Vec t0 = plan::geom::tangentOf(inclination, 40.0);
            const Arc arc { { 10.0, 20.0, 30.0 }, t0,
                plan::geom::normalOfToolFace(t0, 40.0, toolFace), plan::geom::curvatureOf(7.0) };
            for (const auto &[s1, s2] : { std::pair { 0.0, 30.0 }, std::pair { 12.5, 200.0 },
                     std::pair { 100.0, 100.001 }, std::pair { 0.0, 380.0 } }) {
                const V a = asV(arc.tangent(s1)), b = asV(arc.tangent(s2));
                const double beta = rad(angleDegrees(a, b));
                EXPECT_NEAR(deg(beta), 7.0 * (s2 - s1) / 30.0, 1e-9);
                const double rf = beta > 0 ? std::tan(beta / 2) / (beta / 2) : 1.0;
                const V chord = times((s2 - s1) / 2.0 * rf, plus(a, b));
                const V got = minus(asV(arc.position(s2)), asV(arc.position(s1)));
                EXPECT_LT(norm(minus(got, chord)), 1e-9) << toolFace << " " << inclination;
            }
        }
    }
}

TEST(PlanGeometry, ToolFaceNamesTheDirectionOfTheTurn)
{
    // Horizontal toward north: high side is up, right side east.
    const Vec north = plan::geom::tangentOf(90.0, 0.0);
    const V up = asV(plan::geom::normalOfToolFace(north, 0.0, 0.0));
    const V right = asV(plan::geom::normalOfToolFace(north, 0.0, 90.0));
    const V left = asV(plan::geom::normalOfToolFace(north, 0.0, 270.0));
    EXPECT_LT(norm(minus(up, { 0, 0, -1 })), 1e-12);
    EXPECT_LT(norm(minus(right, { 0, 1, 0 })), 1e-12);
    EXPECT_LT(norm(minus(left, { 0, -1, 0 })), 1e-12);
    // Vertical: the tool face counts from the azimuth the hole carries.
    const Vec down = plan::geom::tangentOf(0.0, 0.0);
    const V toward = asV(plan::geom::normalOfToolFace(down, 30.0, 45.0));
    EXPECT_LT(norm(minus(toward, tangent(90.0, 75.0))), 1e-12);
    // The tool face of a normal reads back as the one it was made from.
    for (double inclination : { 0.0, 1e-7, 20.0, 90.0, 179.0 }) {
        for (double toolFace = 0.0; toolFace < 360.0; toolFace += 22.5) {
            const Vec t = plan::geom::tangentOf(inclination, 300.0);
            const Vec n = plan::geom::normalOfToolFace(t, 300.0, toolFace);
            EXPECT_NEAR(std::abs(plan::geom::dot(n, t)), 0.0, 1e-12);
            const double back = plan::geom::toolFaceOf(t, 300.0, n);
            EXPECT_NEAR(std::remainder(back - toolFace, 360.0), 0.0, 1e-9) << inclination;
            EXPECT_TRUE(back >= 0.0 && back < 360.0) << back;
        }
    }
}
