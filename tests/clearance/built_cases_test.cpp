// Scans the ISCWSA set does not have, each against arithmetic done by hand: a sidetrack
// of the reference, a vertical offset from a higher depth reference, an offset crossing
// the reference between stations, and the findings made of them.
#include "clearance/findings.h"
#include "clearance/scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

clr::Well well(const char *name, const std::vector<clr::Reading> &readings, bool withModel = true)
{
    clr::Well w;
    w.name = name;
    w.path = clr::pathOf(readings);
    w.holeDiameter = 0.2159;
    if (withModel)
        w.errorModel = unc::Inputs {};
    return w;
}

// Vertical to 300 m, building 3°/30 m toward north-east to 40°, holding to 1500 m.
clr::Well referenceWell(bool withModel = true)
{
    std::vector<clr::Reading> r;
    for (double md = 0; md <= 1500; md += 30)
        r.push_back({ md, std::clamp((md - 300) / 10.0, 0.0, 40.0), 45 });
    return well("Bezug", r, withModel);
}

double distance3(double n1, double e1, double d1, double n2, double e2, double d2)
{
    return std::hypot(n1 - n2, e1 - e2, d1 - d2);
}

// Leaves the reference at 615 m, between two of its stations, turning east. Above the
// kick-off it is the reference; against it the scan starts below, from either side.
TEST(Sidetrack, IsItsParentAboveTheKickOffAndScansBelowIt)
{
    const clr::Well ref = referenceWell();
    std::vector<clr::Reading> below;
    for (double md = 630; md <= 1500; md += 30)
        below.push_back(
            { md, std::min(40.0, 30 + md / 300), std::min(90.0, 45 + (md - 615) / 10) });
    clr::Well st = well("Bezug ST1", {});
    st.path = clr::sidetrackPath(ref.path, 615, below);
    st.parent = "Bezug";
    st.kickOffMd = 615;

    for (const traj::Station &s : st.path.stations) {
        traj::Point p;
        if (s.md > 615 || !traj::pointAtMd(ref.path, s.md, p))
            break;
        EXPECT_NEAR(s.tvd, p.tvd, 1e-9) << s.md;
        EXPECT_NEAR(s.north, p.north, 1e-9) << s.md;
        EXPECT_NEAR(s.east, p.east, 1e-9) << s.md;
    }
    EXPECT_EQ(st.path.stations.size(), 22u + below.size()); // 0 to 600, 615, below

    for (bool sidetrackIsReference : { false, true }) {
        SCOPED_TRACE(
            sidetrackIsReference ? "the sidetrack as reference" : "the parent as reference");
        const clr::Well &a = sidetrackIsReference ? st : ref, &b = sidetrackIsReference ? ref : st;
        const clr::OffsetScan os = clr::scan(a, { b }).offsets.at(0);
        EXPECT_EQ(os.fromMd, 615.0);
        // Every station below the kick-off, and the kick-off itself (a station of the
        // sidetrack, a point between stations of the parent).
        ASSERT_EQ(os.rows.size(),
            static_cast<std::size_t>(std::count_if(a.path.stations.begin(), a.path.stations.end(),
                [](const traj::Station &x) { return x.md > 615; }))
                + 1);
        EXPECT_EQ(os.rows.front().referenceMd, 615.0);
        EXPECT_NEAR(os.rows.front().distance, 0.0, 1e-9);
        double last = 0;
        for (std::size_t i = 1; i < os.rows.size(); ++i) {
            const clr::Row &r = os.rows[i];
            EXPECT_GE(r.offsetMd, 615.0);
            EXPECT_GT(r.distance, last) << r.referenceMd; // the two holes part steadily
            last = r.distance;
        }
        // Closest where they part.
        ASSERT_TRUE(os.closestApproach);
        EXPECT_EQ(os.closestApproach->referenceMd, 615.0);
        EXPECT_TRUE(os.closestApproach->separationFactor);
    }
}

// Above the kick-off the two holes share every reading, and with it every error: the
// radii of the scan are those of each well surveyed from the kick-off on (a survey that
// begins there, computed here anew from its readings), zero at the kick-off and growing
// from there, far below the radii of the whole wells.
TEST(Sidetrack, RadiiAreThoseOfTheSurveysBelowTheKickOff)
{
    const clr::Well parent = referenceWell();
    std::vector<clr::Reading> below;
    for (double md = 630; md <= 1500; md += 30)
        below.push_back({ md, 40 - (md - 615) / 60, 45 + (md - 615) / 20 });
    clr::Well st = well("Bezug ST1", {});
    st.path = clr::sidetrackPath(parent.path, 615, below);
    st.parent = "Bezug";
    st.kickOffMd = 615;

    // A survey that begins at the kick-off with the direction there.
    const auto fromKickOff = [](const clr::Well &w) {
        traj::Point at;
        EXPECT_TRUE(traj::pointAtMd(w.path, 615, at));
        traj::Trajectory t;
        t.origin.tvd = at.tvd;
        t.origin.north = at.north;
        t.origin.east = at.east;
        traj::Station first;
        first.md = 615;
        first.inclination = at.inclination;
        first.azimuth = at.azimuth;
        t.stations.push_back(first);
        for (const traj::Station &s : w.path.stations) {
            if (s.md > 615)
                t.stations.push_back(s);
        }
        traj::computeNumericTrajectory(t);
        return t;
    };
    const traj::Trajectory parentBelow = fromKickOff(parent), stBelow = fromKickOff(st);
    const auto radius = [](const traj::Trajectory &t, double md, const clr::Row &r) {
        traj::Point p;
        EXPECT_TRUE(traj::pointAtMd(t, md, p));
        const unc::Sym3 c = unc::pointCovariances(t, unc::Inputs {}, { p }).front();
        const double n = (r.offsetNorth - r.referenceNorth) / r.distance,
                     e = (r.offsetEast - r.referenceEast) / r.distance,
                     v = (r.offsetTvd - r.referenceTvd) / r.distance;
        return std::sqrt(n * n * c.xx + e * e * c.yy + v * v * c.zz
            + 2 * (n * e * c.xy + n * v * c.xz + e * v * c.yz));
    };
    const clr::OffsetScan os = clr::scan(parent, { st }).offsets.at(0);
    ASSERT_GT(os.rows.size(), 20u);
    EXPECT_EQ(*os.rows.front().referencePcr, 0.0);
    EXPECT_EQ(*os.rows.front().offsetPcr, 0.0);
    const std::vector<unc::Sym3> whole = unc::stationCovariances(st.path, unc::Inputs {});
    for (std::size_t i = 1; i < os.rows.size(); ++i) {
        const clr::Row &r = os.rows[i];
        SCOPED_TRACE(r.referenceMd);
        EXPECT_NEAR(*r.referencePcr, radius(parentBelow, r.referenceMd, r), 1e-9);
        EXPECT_NEAR(*r.offsetPcr, radius(stBelow, r.offsetMd, r), 1e-9);
        EXPECT_GT(*r.offsetPcr, *os.rows[i - 1].offsetPcr * 0.999);
    }
    // 45 m below the kick-off the sidetrack's radius is a small part of its whole
    // uncertainty there (0.42 m against 2.17 m).
    const unc::Sym3 &at660 = whole.at(23);
    ASSERT_EQ(st.path.stations[23].md, 660.0);
    ASSERT_EQ(os.rows.at(2).referenceMd, 660.0);
    EXPECT_LT(*os.rows.at(2).offsetPcr * 4, std::sqrt(at660.xx + at660.yy + at660.zz));
}

TEST(Sidetrack, SharedDepthThroughParentsAndSiblings)
{
    const auto named = [](const char *name, const char *parent, double kickOffMd) {
        clr::Well w;
        w.name = name;
        w.parent = parent;
        w.kickOffMd = kickOffMd;
        return w;
    };
    const clr::Well a = named("A", "", 0), st1 = named("A ST1", "A", 800),
                    st2 = named("A ST2", "A", 1200), st1st1 = named("A ST1 ST1", "A ST1", 1500),
                    other = named("B", "", 0);
    const std::vector<const clr::Well *> all { &a, &st1, &st2, &st1st1, &other };
    EXPECT_EQ(clr::sharedDepth(a, st1, all), 800.0);
    EXPECT_EQ(clr::sharedDepth(st2, a, all), 1200.0);
    EXPECT_EQ(clr::sharedDepth(st1, st2, all), 800.0); // siblings: the shallower kick-off
    EXPECT_EQ(clr::sharedDepth(st1st1, st1, all), 1500.0);
    EXPECT_EQ(clr::sharedDepth(st1st1, a, all), 800.0); // through its parent's kick-off
    EXPECT_EQ(clr::sharedDepth(st1st1, st2, all), 800.0);
    EXPECT_EQ(clr::sharedDepth(a, other, all), 0.0);
    EXPECT_EQ(clr::sharedDepth(st1, st2, { &st1, &st2 }), 800.0); // the parent not given
}

// A vertical offset 50 m away (30 N, 40 E), its depth reference 5 m above the
// reference's, 800 m deep: its nearest point lies at the reference point's depth (5 m
// deeper by its own measure) or at its end; rows also at the caller's depths.
TEST(VerticalOffset, NearestPointAtTheSameDepthAndTheBearingToTheSlot)
{
    const clr::Well ref = referenceWell();
    std::vector<clr::Reading> readings;
    for (double md = 0; md <= 800; md += 100)
        readings.push_back({ md, 0, 0 });
    clr::Well v = well("Senkrecht", readings, false);
    v.slotNorth = 30;
    v.slotEast = 40;
    v.depthShift = -5;
    std::vector<double> every10;
    for (double md = 5; md < 1500; md += 10)
        every10.push_back(md);
    const clr::OffsetScan os = clr::scan(ref, { v }, {}, every10).offsets.at(0);
    EXPECT_EQ(os.rows.size(), ref.path.stations.size() + every10.size());
    double previousMd = -1;
    for (const clr::Row &r : os.rows) {
        SCOPED_TRACE("reference MD " + std::to_string(r.referenceMd));
        EXPECT_GT(r.referenceMd, previousMd);
        previousMd = r.referenceMd;
        const double ownMd = std::clamp(r.referenceTvd + 5, 0.0, 800.0);
        EXPECT_NEAR(r.offsetMd, ownMd, 1e-9);
        EXPECT_NEAR(r.offsetTvd, ownMd - 5, 1e-9);
        EXPECT_NEAR(r.distance,
            distance3(r.referenceNorth, r.referenceEast, r.referenceTvd, 30, 40, ownMd - 5), 1e-9);
        const double bearing = std::atan2(40 - r.referenceEast, 30 - r.referenceNorth) / kDegree;
        EXPECT_NEAR(r.bearing, bearing < 0 ? bearing + 360 : bearing, 1e-9);
        // Only the reference has an error model: its radius, no factor.
        EXPECT_TRUE(r.referencePcr && !r.offsetPcr && !r.separationFactor);
    }
}

// From 50 m east, straight at 30° toward west, an offset crosses the vertical reference
// at 50 / tan 30° = 86.60 m TVD, 100 m along itself: between stations at 50 and 100 m.
TEST(Crossing, ClosestApproachIsTheCrossingAndTheFactorNegative)
{
    std::vector<clr::Reading> vertical;
    for (double md = 0; md <= 500; md += 50)
        vertical.push_back({ md, 0, 0 });
    const clr::Well ref = well("Bezug", vertical);
    clr::Well x = well("Kreuzung", { { 0, 30, 270 }, { 200, 30, 270 } });
    x.slotEast = 50;
    clr::Well far = x;
    far.name = "Fern";
    far.slotEast = 5000;
    const clr::Scan s = clr::scan(ref, { far, x });
    const clr::OffsetScan &os = s.offsets.at(1);
    const double crossing = 50 / std::tan(30 * kDegree);
    ASSERT_TRUE(os.closestApproach && os.closestApproach->separationFactor);
    EXPECT_LT(os.closestApproach->distance, 1e-6);
    EXPECT_NEAR(os.closestApproach->referenceMd, crossing, 1e-5);
    EXPECT_NEAR(os.closestApproach->offsetMd, 100, 1e-5);
    EXPECT_LT(*os.closestApproach->separationFactor, 0.0);
    ASSERT_TRUE(os.lowestSeparation);
    EXPECT_NEAR(os.lowestSeparation->referenceMd, crossing, 1e-5);

    // At the station at 100 m: the foot of the perpendicular on the offset's line, west.
    const auto at100 = std::find_if(
        os.rows.begin(), os.rows.end(), [](const clr::Row &r) { return r.referenceMd == 100; });
    ASSERT_NE(at100, os.rows.end());
    const double sn = std::sin(30 * kDegree), cs = std::cos(30 * kDegree);
    const double along = 50 * sn + 100 * cs; // (P − slot) · direction
    EXPECT_NEAR(at100->offsetMd, along, 1e-9);
    EXPECT_NEAR(at100->distance, distance3(0, 0, 100, 0, 50 - along * sn, along * cs), 1e-9);
    EXPECT_NEAR(at100->bearing, 270, 1e-9);

    // The findings: the crossing with its depths and negative factor, nothing of the far one.
    const std::vector<clr::Finding> found = clr::findings(s);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].id, clr::Message::SeparationBelowLimit);
    EXPECT_EQ(found[0].well, "Kreuzung");
    ASSERT_EQ(found[0].values.size(), 6u);
    EXPECT_LT(found[0].values[0], 0.0);
    EXPECT_NEAR(found[0].values[1], crossing, 1e-5);
    EXPECT_NEAR(found[0].values[2], 100, 1e-5);
    EXPECT_EQ(found[0].values[3], 1.5);
    EXPECT_LE(found[0].values[4], found[0].values[1]);
    EXPECT_GE(found[0].values[5], found[0].values[1]);
    EXPECT_NE(clr::text(found[0]).find("Kreuzung: Trennfaktor -"), std::string::npos);
    EXPECT_NE(clr::text(found[0]).find(" bei 86.60 m MD"), std::string::npos);
}

TEST(Findings, TheWellsBelowTheLimitAreRankedWorstFirst)
{
    // Three parallel verticals 6, 2 and 4 m off, one without a model between them: the
    // factors fall with the distance, the one without a factor keeps its place.
    const std::vector<clr::Reading> vertical { { 0, 0, 0 }, { 1000, 0, 0 } };
    std::vector<clr::Well> offsets;
    const std::pair<const char *, double> placed[] = { { "Sechs", 6.0 }, { "Zwei", 2.0 },
        { "Vier", 4.0 } };
    for (const auto &[name, north] : placed) {
        clr::Well w = well(name, vertical);
        w.slotNorth = north;
        offsets.push_back(w);
    }
    clr::Well bare = offsets[1];
    bare.name = "Ohne Modell";
    bare.errorModel.reset();
    offsets.insert(offsets.begin() + 1, bare);
    const std::vector<clr::Finding> found
        = clr::findings(clr::scan(well("Bezug", vertical), offsets), 1000.0);
    ASSERT_EQ(found.size(), 4u);
    std::vector<std::string> names;
    for (const clr::Finding &f : found)
        names.push_back(f.well);
    EXPECT_EQ(names, (std::vector<std::string> { "Zwei", "Ohne Modell", "Vier", "Sechs" }));
    EXPECT_LT(found[0].values[0], found[2].values[0]);
    EXPECT_LT(found[2].values[0], found[3].values[0]);
}

TEST(Findings, WellsWithoutModelOrStationsAreNamed)
{
    clr::Well modelled = well("Mit Modell", { { 0, 0, 0 }, { 1000, 0, 0 } });
    modelled.slotNorth = 20;
    clr::Well bare = modelled;
    bare.name = "Ohne Modell";
    bare.errorModel.reset();
    const clr::Scan s = clr::scan(referenceWell(false), { modelled, well("Leer", {}), bare });
    ASSERT_TRUE(s.offsets.at(0).closestApproach);
    EXPECT_FALSE(s.offsets[0].lowestSeparation);
    const std::vector<clr::Finding> expected {
        { clr::Message::NoSeparationFactor, "Mit Modell", { 0, 1 } },
        { clr::Message::NothingScanned, "Leer", {} },
        { clr::Message::NoSeparationFactor, "Ohne Modell", { 0, 0 } },
    };
    EXPECT_EQ(clr::findings(s), expected);
    EXPECT_NE(clr::text(expected[0]).find("die Bezugsbohrung hat kein Fehlermodell"),
        std::string::npos);
}

} // namespace
