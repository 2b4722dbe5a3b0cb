// The hole against its plan, for holes whose offsets can be worked out by hand: the plan
// itself, the plan moved sideways or down, a hole drilled on past the plan's end; the
// projections against the extrapolated arc and the minimum-curvature step to it; the arc
// back onto the target checked by drilling it as a plan.
#include "plan/against.h"
#include "support.h"
#include "well/computation.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace plantest;

namespace {

plan::Plan buildAndHold()
{
    plan::Plan p;
    p.sections = { plan::Section::hold(500.0), plan::Section::arc(3.0, 0.0, 600.0),
        plan::Section::hold(400.0) };
    return p;
}

plan::ComputedPlan computed(const plan::Plan &p, double step = 30.0)
{
    const plan::PlanResult r = plan::compute(p, step);
    EXPECT_TRUE(r.ok()) << plan::text(*r.refusal);
    return *r.plan;
}

// The survey of the plan's stations (below `fromMd`), begun at `origin` instead of the
// plan's start: the same hole moved by `origin`.
well::Computation surveyOf(const plan::ComputedPlan &c, V origin, double fromMd = 0.0)
{
    well::Well w;
    w.settings.tieIn = well::TieIn { 0.0, origin[2], origin[0], origin[1], 0.0, 0.0 };
    for (const plan::PlanStation &s : c.stations) {
        if (s.md > fromMd)
            w.survey.add({ s.md, s.inclination, s.azimuth });
    }
    return well::compute(w);
}

well::Computation surveyOf(std::vector<well::Station> stations, const well::TieIn &tie)
{
    well::Well w;
    w.settings.tieIn = tie;
    for (const well::Station &s : stations)
        w.survey.add(s);
    return well::compute(w);
}

// One minimum-curvature step of `length` between two directions, worked out here.
V mcStep(const V &t1, const V &t2, double length)
{
    const double beta = 2.0 * std::asin(std::min(1.0, norm(minus(t1, t2)) / 2.0));
    const double rf = beta < 1e-12 ? 1.0 : 2.0 / beta * std::tan(beta / 2.0);
    return times(length / 2.0 * rf, plus(t1, t2));
}

// The direction of the arc through t0 and t1 after `u` of its angle (u > 1 beyond t1).
V slerp(const V &t0, const V &t1, double u)
{
    const double beta = std::acos(std::clamp(dot(t0, t1), -1.0, 1.0));
    return times(1.0 / std::sin(beta),
        plus(times(std::sin((1.0 - u) * beta), t0), times(std::sin(u * beta), t1)));
}

} // namespace

TEST(AgainstPlan, ThePlanDrilledAsPlannedIsOnIt)
{
    const plan::Plan p = buildAndHold();
    const plan::ComputedPlan c = computed(p);
    const auto a = plan::against(c, p, surveyOf(c, { 0, 0, 0 }).path);
    ASSERT_TRUE(a.has_value());
    ASSERT_EQ(a->stations.size(), c.stations.size());
    for (std::size_t i = 0; i < c.stations.size(); ++i) {
        const plan::StationAgainstPlan &s = a->stations[i];
        EXPECT_NEAR(s.planMd, c.stations[i].md, 1e-6) << i;
        EXPECT_LT(s.distance, 1e-6) << i;
        EXPECT_LT(std::abs(s.highSide) + std::abs(s.rightSide) + std::abs(s.alongHole), 3e-6);
    }
}

TEST(AgainstPlan, AHoleMovedEastLiesToTheRightOfAPlanGoingNorth)
{
    // The plan stays in the vertical plane of north: a move east is at right angles to it
    // everywhere, in the vertical part (whose high side is the azimuth the plan carries,
    // north) as in the build and the hold.
    const plan::Plan p = buildAndHold();
    const plan::ComputedPlan c = computed(p);
    for (double east : { 5.0, -5.0 }) {
        const auto a = plan::against(c, p, surveyOf(c, { 0, east, 0 }).path);
        ASSERT_TRUE(a.has_value());
        for (const plan::StationAgainstPlan &s : a->stations) {
            EXPECT_NEAR(s.rightSide, east, 1e-9) << s.md;
            EXPECT_NEAR(s.highSide, 0.0, 1e-9) << s.md;
            EXPECT_NEAR(s.alongHole, 0.0, 1e-9) << s.md;
            EXPECT_NEAR(s.distance, 5.0, 1e-9) << s.md;
            EXPECT_NEAR(s.tvdDifference, 0.0, 1e-9) << s.md;
            EXPECT_NEAR(s.planMd, s.md, 1e-6) << s.md;
        }
    }
}

TEST(AgainstPlan, AHoleBelowAnInclinedHoldLiesOnItsLowSide)
{
    // A hold at 60 degrees north, the hole 10 m deeper: the offset at right angles to the
    // hold is 10 sin 60 toward the low side; the plan's closest point lies 10 cos 60 further
    // along and 10 cos² 60 higher up.
    plan::Plan p;
    p.start = { 0, 0, 0, 0, 60.0, 0.0 };
    p.sections = { plan::Section::hold(1000.0) };
    const plan::ComputedPlan c = computed(p);
    const auto a = plan::against(c, p,
        surveyOf({ { 300.0, 60.0, 0.0 }, { 600.0, 60.0, 0.0 } },
            well::TieIn { 100.0, 60.0, 100.0 * std::sqrt(3.0) / 2.0, 0.0, 60.0, 0.0 })
            .path);
    ASSERT_TRUE(a.has_value());
    const double sin60 = std::sqrt(3.0) / 2.0;
    for (const plan::StationAgainstPlan &s : a->stations) {
        EXPECT_NEAR(s.highSide, -10.0 * sin60, 1e-9) << s.md;
        EXPECT_NEAR(s.rightSide, 0.0, 1e-9) << s.md;
        EXPECT_NEAR(s.alongHole, 0.0, 1e-9) << s.md;
        EXPECT_NEAR(s.distance, 10.0 * sin60, 1e-9) << s.md;
        EXPECT_NEAR(s.tvdDifference, 7.5, 1e-9) << s.md;
        EXPECT_NEAR(s.planMd, s.md + 5.0, 1e-9) << s.md;
    }
}

TEST(AgainstPlan, AHoleDrilledPastThePlansEndIsAheadAlongIt)
{
    plan::Plan p;
    p.sections = { plan::Section::hold(500.0) };
    const plan::ComputedPlan c = computed(p);
    const auto a = plan::against(
        c, p, surveyOf({ { 300.0, 0.0, 0.0 }, { 550.0, 0.0, 0.0 } }, well::TieIn {}).path);
    ASSERT_TRUE(a.has_value());
    EXPECT_NEAR(a->stations.back().alongHole, 50.0, 1e-9);
    EXPECT_NEAR(a->stations.back().planMd, 500.0, 1e-9);
    EXPECT_NEAR(a->stations.back().distance, 50.0, 1e-9);
    EXPECT_NEAR(a->stations.back().tvdDifference, 50.0, 1e-9);
}

TEST(AgainstPlan, TheBitLiesOnTheLastIntervalsArcContinued)
{
    plan::Plan p;
    p.sections = { plan::Section::hold(2000.0) };
    const plan::ComputedPlan c = computed(p);
    // A build and a build with turn; and a straight interval, continued straight.
    const struct
    {
        well::Station before, last;
    } cases[] = { { { 1000.0, 30.0, 45.0 }, { 1030.0, 33.0, 45.0 } },
        { { 1000.0, 40.0, 10.0 }, { 1030.0, 42.0, 16.0 } },
        { { 1000.0, 25.0, 200.0 }, { 1030.0, 25.0, 200.0 } } };
    for (const auto &k : cases) {
        const well::TieIn tie { 900.0, 850.0, 10.0, 20.0, k.before.inclination,
            k.before.azimuth };
        const well::Computation hole = surveyOf({ k.before, k.last }, tie);
        const auto a = plan::against(c, p, hole.path, 15.0);
        ASSERT_TRUE(a.has_value());
        const V t0 = tangent(k.before.inclination, k.before.azimuth);
        const V t1 = tangent(k.last.inclination, k.last.azimuth);
        const V t2 = dot(t0, t1) > 1.0 - 1e-15 ? t1 : slerp(t0, t1, 1.5);
        const auto &last = hole.path.last();
        const V expected = plus({ last.north, last.east, last.tvd }, mcStep(t1, t2, 15.0));
        EXPECT_LT(norm(minus({ a->bit.north, a->bit.east, a->bit.tvd }, expected)), 1e-9);
        EXPECT_LT(angleDegrees(tangent(a->bit.inclination, a->bit.azimuth), t2), 1e-9);
        EXPECT_DOUBLE_EQ(a->bit.md, 1045.0);
    }
}

TEST(AgainstPlan, ProjectionToTheTargetsDepth)
{
    plan::Plan p;
    p.sections = { plan::Section::hold(500.0),
        plan::Section::curveToTarget(3.0, 300.0, 400.0, 1500.0), plan::Section::hold(100.0) };
    p.targets = { plan::Target::point("T1", 300.0, 400.0, 1500.0, 20.0) };
    const plan::ComputedPlan c = computed(p);

    // Straight at 60 degrees east from 1000 m TVD: 500 m further down is 1000 m along.
    const well::TieIn tie { 1000.0, 1000.0, 50.0, 60.0, 60.0, 90.0 };
    const auto straight
        = plan::against(c, p, surveyOf({ { 1030.0, 60.0, 90.0 } }, tie).path);
    ASSERT_TRUE(straight.has_value());
    EXPECT_EQ(straight->steering.target, 1);
    EXPECT_EQ(straight->targetTvd, 1500.0);
    ASSERT_TRUE(straight->atTargetDepth.has_value());
    const double startTvd = 1000.0 + 30.0 * 0.5;
    const double along = (1500.0 - startTvd) / 0.5;
    EXPECT_NEAR(straight->atTargetDepth->md, 1030.0 + along, 1e-9);
    EXPECT_NEAR(straight->atTargetDepth->east, 60.0 + (30.0 + along) * std::sqrt(3.0) / 2.0,
        1e-9);
    EXPECT_NEAR(straight->atTargetDepth->north, 50.0, 1e-9);

    // Building at 1°/30 m: where it says, the arc continued reaches the depth and the
    // minimum-curvature step to its direction there gives the same point.
    const well::TieIn tie2 { 800.0, 790.0, 0.0, 0.0, 10.0, 30.0 };
    const well::Computation building = surveyOf({ { 830.0, 11.0, 30.0 } }, tie2);
    const auto arc = plan::against(c, p, building.path);
    ASSERT_TRUE(arc.has_value() && arc->atTargetDepth.has_value());
    const auto &at = *arc->atTargetDepth;
    EXPECT_NEAR(at.tvd, 1500.0, 1e-9);
    const auto &last = building.path.last();
    const V step = mcStep(tangent(last.inclination, last.azimuth),
        tangent(at.inclination, at.azimuth), at.md - last.md);
    EXPECT_LT(norm(minus({ at.north, at.east, at.tvd },
                  plus({ last.north, last.east, last.tvd }, step))),
        1e-6);
    EXPECT_NEAR(at.azimuth, 30.0, 1e-9);
    EXPECT_NEAR(at.inclination - last.inclination, (at.md - last.md) / 30.0, 1e-9);

    // Below the target's depth already, and horizontal: no projection to it.
    const auto deep = plan::against(c, p,
        surveyOf({ { 1730.0, 90.0, 0.0 } }, well::TieIn { 1700.0, 1700.0, 0, 0, 90.0, 0.0 }).path);
    ASSERT_TRUE(deep.has_value());
    EXPECT_FALSE(deep->atTargetDepth.has_value());
}

TEST(AgainstPlan, TheArcBackOntoTheTargetEndsOnIt)
{
    plan::Plan p;
    p.sections = { plan::Section::hold(500.0),
        plan::Section::curveToTarget(3.0, 300.0, 400.0, 1500.0), plan::Section::hold(200.0) };
    p.targets = { plan::Target::point("T1", 300.0, 400.0, 1500.0, 5.0) };
    const plan::ComputedPlan c = computed(p);
    // The hole drilled as planned but turned 4 degrees further clockwise below the kick-off.
    well::Well w;
    for (const plan::PlanStation &s : c.stations) {
        if (s.md > 0.0 && s.md <= 1100.0)
            w.survey.add({ s.md, s.inclination, s.md > 500.0 ? s.azimuth + 4.0 : s.azimuth });
    }
    const well::Computation hole = well::compute(w);
    const auto a = plan::against(c, p, hole.path);
    ASSERT_TRUE(a.has_value());
    EXPECT_GT(a->stations.back().rightSide, 1.0);
    EXPECT_EQ(a->steering.target, 1);
    ASSERT_TRUE(a->steering.arc.has_value());
    EXPECT_FALSE(a->steering.overLimit);
    const auto &last = hole.path.last();
    plan::Plan back;
    back.start = { last.md, last.tvd, last.north, last.east, last.inclination, last.azimuth };
    back.sections = { plan::Section::arc(
        a->steering.arc->doglegPer30, a->steering.arc->toolFace, a->steering.arc->length) };
    const plan::ComputedPlan drilled = computed(back);
    const auto &end = drilled.stations.back();
    EXPECT_LT(norm(minus({ end.north, end.east, end.tvd }, { 300.0, 400.0, 1500.0 })), 1e-6);
    // Turned right of the plan, the hole must turn back left: a tool face left of high side.
    EXPECT_GT(a->steering.arc->toolFace, 180.0);

    // Past the target the plan's end is steered to.
    well::Well all;
    for (const plan::PlanStation &s : c.stations) {
        if (s.md > 0.0)
            all.survey.add({ s.md, s.inclination, s.azimuth });
    }
    const auto past = plan::against(c, p, well::compute(all).path);
    ASSERT_TRUE(past.has_value());
    EXPECT_EQ(past->steering.target, 0);
    EXPECT_NEAR(past->steering.tvd, c.stations.back().tvd, 1e-9);
}
