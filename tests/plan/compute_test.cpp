// The plan's sections against geometry worked out here: the turn of an arc, the curve to a
// point from a grid of start directions, the closed-form build and hold of the textbooks,
// the landing's direction, the refusals, the targets; and the plan's stations read back
// as a survey by the program's own minimum-curvature computation.
#include "plan/compute.h"
#include "plan/steering.h"
#include "support.h"
#include "well/computation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

using namespace plantest;

namespace {

V positionOf(const plan::PlanStation &s)
{
    return { s.north, s.east, s.tvd };
}

V directionOf(const plan::PlanStation &s)
{
    return tangent(s.inclination, s.azimuth);
}

// Every interval's dogleg rate from the two stations' directions alone.
std::vector<double> intervalRates(const std::vector<plan::PlanStation> &st)
{
    std::vector<double> rates;
    for (std::size_t i = 1; i < st.size(); ++i) {
        rates.push_back(30.0 * angleDegrees(directionOf(st[i - 1]), directionOf(st[i]))
            / (st[i].md - st[i - 1].md));
    }
    return rates;
}

plan::Plan planOf(plan::Start start, std::vector<plan::Section> sections)
{
    plan::Plan p;
    p.start = start;
    p.sections = std::move(sections);
    return p;
}

} // namespace

TEST(PlanArc, ThreeDegreesPerThirtyMetresOverThreeHundredTurnsThirtyDegrees)
{
    for (double inclination : { 0.0, 10.0, 45.0, 90.0, 130.0 }) {
        for (double azimuth : { 0.0, 75.0, 200.0 }) {
            for (double toolFace : { 0.0, 45.0, 90.0, 180.0, 270.0, 330.0 }) {
                const plan::Start start { 1000.0, 950.0, 20.0, -30.0, inclination, azimuth };
                const auto r
                    = plan::compute(planOf(start, { plan::Section::arc(3.0, toolFace, 300.0) }));
                ASSERT_TRUE(r.ok()) << plan::text(*r.refusal);
                const auto &st = r.plan->stations;
                ASSERT_EQ(st.size(), 12u); // 1000, 1020 ... 1290 at the step of 30 m, 1300
                EXPECT_NEAR(
                    angleDegrees(tangent(inclination, azimuth), directionOf(st.back())), 30.0, 1e-9)
                    << inclination << " " << azimuth << " " << toolFace;
                EXPECT_DOUBLE_EQ(st.back().md, 1300.0);
                for (double rate : intervalRates(st))
                    EXPECT_NEAR(rate, 3.0, 1e-9);
            }
        }
    }
}

TEST(PlanArc, ToolFaceZeroBuildsAndOneHundredEightyDrops)
{
    const plan::Start start { 0, 0, 0, 0, 45.0, 120.0 };
    const auto build = plan::compute(planOf(start, { plan::Section::arc(3.0, 0.0, 300.0) }));
    const auto drop = plan::compute(planOf(start, { plan::Section::arc(3.0, 180.0, 300.0) }));
    const auto right = plan::compute(planOf(start, { plan::Section::arc(3.0, 90.0, 30.0) }));
    ASSERT_TRUE(build.ok() && drop.ok() && right.ok());
    EXPECT_NEAR(build.plan->stations.back().inclination, 75.0, 1e-9);
    EXPECT_NEAR(build.plan->stations.back().azimuth, 120.0, 1e-9);
    EXPECT_NEAR(drop.plan->stations.back().inclination, 15.0, 1e-9);
    EXPECT_NEAR(drop.plan->stations.back().azimuth, 120.0, 1e-9);
    EXPECT_GT(right.plan->stations.back().azimuth, 121.0); // a turn to the right
    // From the vertical the tool face counts from the start's azimuth.
    const auto kick = plan::compute(
        planOf({ 0, 0, 0, 0, 0.0, 40.0 }, { plan::Section::arc(2.0, 50.0, 150.0) }));
    ASSERT_TRUE(kick.ok());
    EXPECT_NEAR(kick.plan->stations.back().azimuth, 90.0, 1e-9);
    EXPECT_NEAR(kick.plan->stations.back().inclination, 10.0, 1e-9);
}

TEST(PlanArc, ReachesTheInclinationOrAzimuthAsked)
{
    const plan::Start start { 500, 500, 0, 0, 20.0, 10.0 };
    const auto toInc
        = plan::compute(planOf(start, { plan::Section::arcToInclination(2.0, 30.0, 60.0) }));
    ASSERT_TRUE(toInc.ok()) << plan::text(*toInc.refusal);
    EXPECT_NEAR(toInc.plan->stations.back().inclination, 60.0, 1e-9);
    const auto toAzi
        = plan::compute(planOf(start, { plan::Section::arcToAzimuth(2.0, 90.0, 80.0) }));
    ASSERT_TRUE(toAzi.ok()) << plan::text(*toAzi.refusal);
    EXPECT_NEAR(toAzi.plan->stations.back().azimuth, 80.0, 1e-9);
    const auto both
        = plan::compute(planOf(start, { plan::Section::arcToDirection(2.5, 75.0, 300.0) }));
    ASSERT_TRUE(both.ok()) << plan::text(*both.refusal);
    const auto &last = both.plan->stations.back();
    EXPECT_NEAR(last.inclination, 75.0, 1e-9);
    EXPECT_NEAR(last.azimuth, 300.0, 1e-9);
    // The arc's length is the angle between the two directions at the rate.
    const double angle = angleDegrees(tangent(20.0, 10.0), tangent(75.0, 300.0));
    EXPECT_NEAR(last.md - 500.0, angle / 2.5 * 30.0, 1e-9);
    // A tool face of 90 at 20 degrees never comes near the vertical.
    const auto never
        = plan::compute(planOf(start, { plan::Section::arcToInclination(2.0, 90.0, 0.0) }));
    ASSERT_FALSE(never.ok());
    EXPECT_EQ(never.refusal->reason, plan::Reason::InclinationNotReached);
}

// From every start direction of a grid the curve ends on its point, or the point lies
// inside the circle the hole turns on (or behind it, so that the arc would turn half round).
TEST(PlanCurveToTarget, EndsOnTheTargetFromEveryDirectionThatAllowsIt)
{
    const V p0 { 100.0, -50.0, 900.0 };
    struct Case
    {
        V target;
        double dls;
    };
    int inside = 0;
    // A point far off at a gentle rate, one close by at a steep one.
    for (const Case &c :
        { Case { { 400.0, 300.0, 1500.0 }, 8.0 }, Case { { 220.0, 50.0, 1050.0 }, 15.0 } }) {
        const double radius = turningRadius(c.dls);
        int reached = 0;
        for (double inclination = 0.0; inclination <= 180.0; inclination += 15.0) {
            for (double azimuth = 0.0; azimuth < 360.0; azimuth += 15.0) {
                const plan::Start start { 1000.0, p0[2], p0[0], p0[1], inclination, azimuth };
                const auto r = plan::compute(planOf(start,
                    { plan::Section::curveToTarget(
                        c.dls, c.target[0], c.target[1], c.target[2]) }));
                const V t0 = tangent(inclination, azimuth), d = minus(c.target, p0);
                const V side = minus(d, times(dot(d, t0), t0));
                if (r.ok()) {
                    ++reached;
                    EXPECT_LT(norm(minus(positionOf(r.plan->stations.back()), c.target)), 1e-6)
                        << inclination << " " << azimuth;
                    for (double rate : intervalRates(r.plan->stations))
                        EXPECT_LE(rate, c.dls + 1e-9);
                    continue;
                }
                // The centre of the circle lies a radius to the side of the point.
                const V centre = plus(p0, times(radius / norm(side), side));
                if (r.refusal->reason == plan::Reason::TargetInsideTurningCircle) {
                    ++inside;
                    EXPECT_LT(norm(minus(c.target, centre)), radius)
                        << inclination << " " << azimuth;
                } else {
                    // Turning half round or more: only toward a point behind the hole.
                    EXPECT_EQ(r.refusal->reason, plan::Reason::ArcTooLong);
                    EXPECT_LT(dot(d, t0), 0.0) << inclination << " " << azimuth;
                    EXPECT_GE(norm(minus(c.target, centre)), radius);
                }
            }
        }
        EXPECT_GT(reached, 100) << c.dls; // of 13 x 24 directions
    }
    EXPECT_GT(inside, 50);
}

TEST(PlanCurveToTarget, HoldThenTargetEndsOnTheTarget)
{
    const auto r = plan::compute(planOf({},
        { plan::Section::hold(500.0), plan::Section::curveToTarget(3.0, 300.0, 400.0, 1500.0) }));
    ASSERT_TRUE(r.ok()) << plan::text(*r.refusal);
    const auto ends = r.plan->sectionEnds();
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0].md, 500.0);
    EXPECT_EQ(ends[0].tvd, 500.0);
    EXPECT_LT(norm(minus(positionOf(r.plan->stations.back()), { 300.0, 400.0, 1500.0 })), 1e-6);
    EXPECT_TRUE(r.plan->stations.back().sectionEnd);
}

TEST(PlanCurveToTarget, TargetBesideTheHoleIsInsideTheTurningCircle)
{
    const auto r = plan::compute(planOf(
        {}, { plan::Section::hold(500.0), plan::Section::curveToTarget(3.0, 10.0, 0.0, 520.0) }));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.refusal->section, 2);
    EXPECT_EQ(r.refusal->reason, plan::Reason::TargetInsideTurningCircle);
    const std::string why = plan::text(*r.refusal);
    EXPECT_NE(why.find("Abschnitt 2"), std::string::npos) << why;
    EXPECT_NE(why.find("Wendekreis"), std::string::npos) << why;
}

// The build and hold to a point in the vertical plane, by the textbook's closed form: with
// the turning radius R, the point X to the side and V below the kick-off, the hold is
// sqrt(X^2 + V^2 - 2 R X) and the inclination held asin(R / rho) - atan2(R - X, V),
// rho = hypot(R - X, V); the arc is R times that angle.
TEST(PlanCurveToTarget, BuildAndHoldMatchTheClosedForm)
{
    struct Case
    {
        double dls, x, v, azimuth;
    };
    for (const Case c : { Case { 2.5, 300.0, 1500.0, 60.0 }, Case { 2.5, 1200.0, 2000.0, 200.0 },
             Case { 6.0, 1000.0, 400.0, 0.0 }, Case { 1.0, 20.0, 3000.0, 315.0 } }) {
        const double kop = 400.0, R = turningRadius(c.dls);
        const double rho = std::hypot(R - c.x, c.v);
        const double theta = std::asin(R / rho) - std::atan2(R - c.x, c.v);
        const double hold = std::sqrt(c.x * c.x + c.v * c.v - 2.0 * R * c.x);
        plan::Plan p = planOf({ 0, 0, 0, 0, 0, c.azimuth },
            { plan::Section::hold(kop),
                plan::Section::curveToTarget(c.dls, c.x * std::cos(rad(c.azimuth)),
                    c.x * std::sin(rad(c.azimuth)), kop + c.v) });
        const auto r = plan::compute(p);
        ASSERT_TRUE(r.ok()) << plan::text(*r.refusal);
        const auto &path = r.plan->path;
        ASSERT_EQ(path.size(), 3u);
        EXPECT_NEAR(path[1].length(), R * theta, 1e-6);
        EXPECT_NEAR(path[2].length(), hold, 1e-6);
        EXPECT_NEAR(r.plan->stations.back().md, kop + R * theta + hold, 1e-6);
        double highest = 0.0;
        for (const auto &s : r.plan->stations)
            highest = std::max(highest, s.inclination);
        EXPECT_NEAR(highest, deg(theta), 1e-6);
        EXPECT_NEAR(r.plan->stations.back().inclination, deg(theta), 1e-6);
        // The end of the build: R (1 - cos theta) aside and R sin theta down.
        const auto ends = r.plan->path[1].arc.position(path[1].length());
        EXPECT_NEAR(ends.d, kop + R * std::sin(theta), 1e-6);
        EXPECT_NEAR(std::hypot(ends.n, ends.e), R * (1.0 - std::cos(theta)), 1e-6);
    }
}

TEST(PlanLanding, ArrivesAtThePointInTheDirectionAsked)
{
    struct Case
    {
        plan::Start start;
        double dls, n, e, tvd, inclination, azimuth;
    };
    const Case cases[] = {
        { { 600, 600, 0, 0, 0, 0 }, 5.0, 500.0, 300.0, 1200.0, 90.0, 30.0 },
        { { 1000, 950, 50, 80, 30, 100 }, 3.0, -600.0, 900.0, 1700.0, 60.0, 200.0 },
        { { 800, 700, 0, 0, 45, 0 }, 8.0, 900.0, -100.0, 1100.0, 88.5, 350.0 },
        { { 0, 0, 0, 0, 0, 0 }, 2.0, 1500.0, 1500.0, 3000.0, 90.0, 45.0 },
    };
    for (const Case &c : cases) {
        const auto r = plan::compute(planOf(
            c.start, { plan::Section::landing(c.dls, c.n, c.e, c.tvd, c.inclination, c.azimuth) }));
        ASSERT_TRUE(r.ok()) << plan::text(*r.refusal);
        const auto &last = r.plan->stations.back();
        EXPECT_NEAR(last.inclination, c.inclination, 1e-9);
        EXPECT_NEAR(last.azimuth, c.azimuth, 1e-9);
        EXPECT_LT(norm(minus(positionOf(last), { c.n, c.e, c.tvd })), 1e-6);
        // Every interval curves at the rate or holds.
        for (double rate : intervalRates(r.plan->stations)) {
            EXPECT_TRUE(std::abs(rate - c.dls) < 1e-6 || rate < 1e-6) << rate;
        }
    }
}

// Landings from random start directions to random points and directions: each arrives
// where and as asked, or is refused as one that cannot be reached at the rate.
TEST(PlanLanding, RandomLandingsArriveOrAreRefused)
{
    std::mt19937 random(20261210);
    const auto uniform = [&](double lo, double hi) {
        return lo + (hi - lo) * std::generate_canonical<double, 53>(random);
    };
    int landed = 0;
    constexpr int kCases = 400;
    for (int k = 0; k < kCases; ++k) {
        const plan::Start start { 1000.0, 900.0, 0.0, 0.0, uniform(0, 180), uniform(0, 360) };
        const double dls = uniform(0.5, 10.0), inclination = uniform(0, 180),
                     azimuth = uniform(0, 360);
        const V target { uniform(-2000, 2000), uniform(-2000, 2000), uniform(0, 3000) };
        const auto r = plan::compute(planOf(start,
            { plan::Section::landing(
                dls, target[0], target[1], target[2], inclination, azimuth) }));
        if (!r.ok()) {
            EXPECT_TRUE(r.refusal->reason == plan::Reason::LandingNotReached
                || r.refusal->reason == plan::Reason::LandingPieceTooShort)
                << plan::text(*r.refusal);
            continue;
        }
        ++landed;
        const auto &last = r.plan->stations.back();
        EXPECT_LT(norm(minus(positionOf(last), target)), 1e-6) << k;
        EXPECT_LT(angleDegrees(directionOf(last), tangent(inclination, azimuth)), 1e-9) << k;
        for (double rate : intervalRates(r.plan->stations))
            EXPECT_TRUE(std::abs(rate - dls) < 1e-6 || rate < 1e-6) << k << " " << rate;
    }
    EXPECT_GT(landed, kCases / 2);
}

TEST(PlanLanding, PointTooCloseForTheRateIsRefused)
{
    // 20 m ahead and arriving across the hole: no two arcs of 57 m radius fit.
    const auto r = plan::compute(planOf({ 1000, 1000, 0, 0, 0, 0 },
        { plan::Section::hold(10.0),
            plan::Section::landing(30.0, 5.0, 0.0, 1030.0, 90.0, 180.0) }));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.refusal->section, 2);
    EXPECT_EQ(r.refusal->reason, plan::Reason::LandingNotReached);
}

// The program's survey computation, handed the plan's stations after a tie-in at the plan's
// start, puts every station where the plan has it: each interval lies on one arc of the plan.
TEST(PlanStations, ReadBackAsASurveyGiveTheSamePositions)
{
    const plan::Plan p = planOf({ 150.0, 149.0, 12.0, -7.0, 0.0, 20.0 },
        { plan::Section::hold(350.0), plan::Section::arc(10.0, 20.0, 180.0),
            plan::Section::arc(4.0, 100.0, 200.0), plan::Section::holdToTvd(1300.0),
            plan::Section::curveToTarget(3.0, 900.0, 1600.0, 1850.0),
            plan::Section::landing(6.0, 1000.0, 2300.0, 2050.0, 90.0, 80.0),
            plan::Section::hold(600.0), plan::Section::arcToDirection(5.0, 60.0, 10.0),
            plan::Section::holdToMd(4800.0) });
    for (double step : { 30.0, 7.5, 200.0 }) {
        const auto r = plan::compute(p, step);
        ASSERT_TRUE(r.ok()) << plan::text(*r.refusal);
        const auto &st = r.plan->stations;
        well::Well w;
        w.settings.tieIn = well::TieIn { p.start.md, p.start.tvd, p.start.north, p.start.east,
            p.start.inclination, p.start.azimuth };
        for (std::size_t i = 1; i < st.size(); ++i)
            w.survey.add({ st[i].md, st[i].inclination, st[i].azimuth });
        const well::Computation c = well::compute(w);
        // The straight intervals are said as such; nothing else is.
        for (const auto &d : c.diagnostics) {
            if (d.id != well::Message::NoCurvature)
                ADD_FAILURE() << well::germanText(d);
        }
        ASSERT_EQ(c.path.stations.size(), st.size()) << step;
        double worst = 0.0;
        for (std::size_t i = 0; i < st.size(); ++i) {
            const auto &s = c.path.stations[i];
            worst = std::max(worst, norm(minus({ s.north, s.east, s.tvd }, positionOf(st[i]))));
        }
        EXPECT_LT(worst, 1e-6) << step;
        // The tool face of each curved interval: the direction of its turn against the high
        // and right side of the hole where it begins.
        for (std::size_t i = 1; i < st.size(); ++i) {
            const V t0 = directionOf(st[i - 1]), t1 = directionOf(st[i]);
            if (angleDegrees(t0, t1) < 1e-6 || st[i - 1].inclination < 1e-6)
                continue;
            ASSERT_TRUE(st[i].toolFace.has_value()) << i;
            const double inc = rad(st[i - 1].inclination), azi = rad(st[i - 1].azimuth);
            const V high { std::cos(inc) * std::cos(azi), std::cos(inc) * std::sin(azi),
                -std::sin(inc) };
            const V right { -std::sin(azi), std::cos(azi), 0.0 };
            const V turn = minus(t1, times(dot(t1, t0), t0));
            const double expected = deg(std::atan2(dot(turn, right), dot(turn, high)));
            EXPECT_NEAR(std::remainder(*st[i].toolFace - expected, 360.0), 0.0, 1e-6) << i;
        }
        // At the long step the arcs have more stations: none turns 45 degrees or more.
        for (std::size_t i = 1; i < st.size(); ++i)
            EXPECT_LE(angleDegrees(directionOf(st[i - 1]), directionOf(st[i])), 45.0 + 1e-9);
    }
}

TEST(PlanStations, LieAtTheStepAndAtEverySectionEnd)
{
    const auto r = plan::compute(planOf({ 95.0, 95.0, 0, 0, 0, 0 },
                                     { plan::Section::hold(100.25), plan::Section::hold(40.0) }),
        30.0);
    ASSERT_TRUE(r.ok());
    std::vector<double> mds;
    for (const auto &s : r.plan->stations)
        mds.push_back(s.md);
    // 195.25 is a section's end, 235.25 the other's; the rest are the step's.
    EXPECT_EQ(mds, (std::vector<double> { 95.0, 120.0, 150.0, 180.0, 195.25, 210.0, 235.25 }));
    EXPECT_EQ(r.plan->sectionEnds().size(), 2u);
    // A station of the step within a centimetre of a section's end is left out.
    const auto close = plan::compute(planOf({}, { plan::Section::hold(30.004) }), 30.0);
    ASSERT_TRUE(close.ok());
    ASSERT_EQ(close.plan->stations.size(), 2u);
    EXPECT_DOUBLE_EQ(close.plan->stations[1].md, 30.004);
}

TEST(PlanStations, CarryTheToolFaceOfEachArcInterval)
{
    // At 90 degrees toward north, a tool face of 90 turns right in the horizontal plane,
    // and it stays 90 along the arc.
    const auto r = plan::compute(planOf({ 0, 0, 0, 0, 90.0, 0.0 },
        { plan::Section::hold(30.0), plan::Section::arc(3.0, 90.0, 90.0) }));
    ASSERT_TRUE(r.ok());
    const auto &st = r.plan->stations;
    EXPECT_FALSE(st[1].toolFace.has_value()); // the hold
    for (std::size_t i = 2; i < st.size(); ++i) {
        ASSERT_TRUE(st[i].toolFace.has_value());
        EXPECT_NEAR(*st[i].toolFace, 90.0, 1e-9);
        EXPECT_NEAR(st[i].inclination, 90.0, 1e-9);
        EXPECT_NEAR(st[i].doglegPer30, 3.0, 1e-12);
    }
    EXPECT_NEAR(st.back().azimuth, 9.0, 1e-9);
}

TEST(PlanRefusals, NameTheSectionAndTheReason)
{
    using plan::Reason;
    using plan::Section;
    struct Case
    {
        std::vector<Section> sections;
        int section;
        Reason reason;
    };
    Section nan = Section::hold(100.0);
    nan.length = std::nan("");
    Section holdWithRate = Section::hold(100.0);
    holdWithRate.dls = 2.0;
    Section arcWithoutToolFace = Section::arc(2.0, 0.0, 100.0);
    arcWithoutToolFace.toolFace.reset();
    const Case cases[] = {
        { { Section::hold(100.0), Section::arc(31.0, 0.0, 30.0) }, 2, Reason::DoglegOverLimit },
        { { Section::hold(0.0) }, 1, Reason::TooShort },
        { { Section::hold(-5.0) }, 1, Reason::TooShort },
        { { Section::hold(100.0), nan }, 2, Reason::NotFinite },
        { { holdWithRate }, 1, Reason::UnusedValue },
        { { arcWithoutToolFace }, 1, Reason::MissingValue },
        { { Section::arc(0.0, 0.0, 30.0) }, 1, Reason::DoglegNotPositive },
        { { Section::hold(10.0), Section::arc(3.0, 0.0, 90.0), Section::holdToTvd(5.0) }, 3,
            Reason::TvdNotReached },
        { { Section::hold(10.0), Section::holdToMd(10.0) }, 2, Reason::MdNotBelow },
        { { Section::arc(10.0, 0.0, 600.0) }, 1, Reason::ArcTooLong },
        { { Section::hold(10.0), Section::curveToTarget(3.0, 0.0, 0.0, 5.0) }, 2,
            Reason::TargetBehind },
        { { Section::arcToInclination(3.0, 0.0, 0.0) }, 1, Reason::AlreadyThere },
        { { Section::landing(3.0, 1.0, 0.0, 10.0, 90.0, 370.0) }, 1, Reason::OutOfRange },
    };
    for (const Case &c : cases) {
        const auto r = plan::compute(planOf({}, c.sections));
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.refusal->section, c.section);
        EXPECT_EQ(r.refusal->reason, c.reason) << plan::text(*r.refusal);
        const std::string why = plan::text(*r.refusal);
        EXPECT_EQ(why.rfind("Abschnitt " + std::to_string(c.section) + ": ", 0), 0u) << why;
    }
    const auto step = plan::compute(planOf({}, { Section::hold(10.0) }), 0.0);
    EXPECT_EQ(step.refusal->reason, Reason::StepInvalid);
    const auto start = plan::compute(planOf({ 0, 0, 0, 0, 200.0, 0 }, { Section::hold(10.0) }));
    EXPECT_EQ(start.refusal->reason, Reason::StartOutOfRange);
    const auto many = plan::compute(planOf({}, { Section::hold(1e6) }), 0.5);
    EXPECT_EQ(many.refusal->reason, Reason::TooManyStations);
}

TEST(PlanTargets, ReportHitAndMiss)
{
    plan::Plan p = planOf({}, { plan::Section::hold(1000.0) });
    p.targets = {
        plan::Target::point("a", 3.0, 4.0, 500.0, 6.0), // 5 m from the hole
        plan::Target::point("b", 3.0, 4.0, 500.0, 4.0),
        plan::Target::point("below", 0.0, 0.0, 1010.0, 0.0),
        plan::Target::box("in", -1.0, 1.0, -1.0, 1.0, 900.0, 1100.0),
        plan::Target::box("aside", 10.0, 20.0, -5.0, 5.0, 0.0, 2000.0),
    };
    const auto r = plan::compute(p);
    ASSERT_TRUE(r.ok());
    const auto &t = r.plan->targets;
    ASSERT_EQ(t.size(), 5u);
    EXPECT_TRUE(t[0].hit);
    EXPECT_NEAR(t[0].distance, 5.0, 1e-9);
    EXPECT_NEAR(t[0].closest.md, 500.0, 1e-9);
    EXPECT_FALSE(t[1].hit);
    EXPECT_NEAR(t[1].miss, 1.0, 1e-9);
    EXPECT_FALSE(t[2].hit);
    EXPECT_NEAR(t[2].miss, 10.0, 1e-9);
    EXPECT_TRUE(t[3].hit);
    EXPECT_NEAR(t[3].closest.md, 900.0, 1.0);
    EXPECT_FALSE(t[4].hit);
    EXPECT_NEAR(t[4].distance, 10.0, 1e-9);
}

TEST(PlanTargets, TheCentreOfAnArcIsItsRadiusAway)
{
    const double R = turningRadius(3.0);
    plan::Plan p = planOf({}, { plan::Section::arc(3.0, 0.0, 900.0) });
    // From the vertical at azimuth 0 the hole builds toward north: the centre lies R north.
    p.targets = { plan::Target::point("centre", R, 0.0, 0.0, 0.0),
        plan::Target::point(
            "outside", R - 0.75 * R * std::sqrt(2.0), 0.0, 0.75 * R * std::sqrt(2.0), 0.0) };
    const auto r = plan::compute(p);
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(r.plan->targets[0].distance, R, 1e-9);
    // A point beyond the arc at 45 degrees of it is nearest to the arc's point at 45 degrees.
    EXPECT_NEAR(r.plan->targets[1].distance, 0.5 * R, 1e-9);
    EXPECT_NEAR(r.plan->targets[1].closest.md, R * std::numbers::pi / 4.0, 1e-6);
}

TEST(PlanTargets, LandingJudgesTheDirection)
{
    plan::Plan p = planOf({ 600, 600, 0, 0, 0, 0 },
        { plan::Section::landing(5.0, 500.0, 300.0, 1200.0, 90.0, 30.0) });
    p.targets = { plan::Target::landing("right", 500.0, 300.0, 1200.0, 2.0, 90.0, 30.0, 1.0),
        plan::Target::landing("wrong", 500.0, 300.0, 1200.0, 2.0, 90.0, 35.0, 1.0) };
    const auto r = plan::compute(p);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.plan->targets[0].hit);
    EXPECT_FALSE(r.plan->targets[1].hit);
    EXPECT_NEAR(r.plan->targets[1].azimuthDifference, -5.0, 1e-6);
    EXPECT_EQ(r.plan->targets[1].miss, 0.0);
}

// The arc that steers from a station onto a point: drilled as a section of that rate and
// tool face for its length, it ends on the point; a point straight behind has none.
TEST(PlanSteering, TheArcToAPointEndsOnIt)
{
    const V point { 350.0, 420.0, 1600.0 };
    int steered = 0;
    for (double inclination : { 0.0, 12.0, 40.0, 85.0 }) {
        for (double azimuth : { 0.0, 50.0, 190.0, 300.0 }) {
            const plan::Start from { 1200.0, 1100.0, 200.0, 300.0, inclination, azimuth };
            const auto arc = plan::arcToPoint(from, point[0], point[1], point[2]);
            if (dot(minus(point, { 200.0, 300.0, 1100.0 }), tangent(inclination, azimuth)) > 0.0) {
                ASSERT_TRUE(arc.has_value()) << inclination << " " << azimuth;
            }
            if (!arc)
                continue;
            ++steered;
            const auto r = plan::compute(
                planOf(from, { plan::Section::arc(arc->doglegPer30, arc->toolFace, arc->length) }));
            ASSERT_TRUE(r.ok()) << plan::text(*r.refusal);
            EXPECT_LT(norm(minus(positionOf(r.plan->stations.back()), point)), 1e-6);
        }
    }
    EXPECT_GT(steered, 8);
    const plan::Start down { 0, 0, 0, 0, 0, 0 };
    EXPECT_FALSE(plan::arcToPoint(down, 0.0, 0.0, -50.0).has_value());
    const auto ahead = plan::arcToPoint(down, 0.0, 0.0, 50.0);
    ASSERT_TRUE(ahead.has_value());
    EXPECT_EQ(ahead->doglegPer30, 0.0);
    EXPECT_EQ(ahead->length, 50.0);
}
