// Scans the ISCWSA set does not have, each against arithmetic done by hand: a sidetrack
// of the reference, a vertical offset from a higher depth reference, an offset that
// crosses the reference between stations, and what the findings make of them.
#include "clearance/findings.h"
#include "clearance/scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Vertical to 300 m, building 3°/30 m toward north-east to 40°, holding to 1500 m.
std::vector<clr::Reading> referenceReadings()
{
    std::vector<clr::Reading> r;
    for (double md = 0; md <= 1500; md += 30)
        r.push_back({ md, std::clamp((md - 300) / 10.0, 0.0, 40.0), 45 });
    return r;
}

clr::Well referenceWell(bool withModel = true)
{
    clr::Well w;
    w.name = "Bezug";
    w.path = clr::pathOf(referenceReadings());
    w.holeDiameter = 0.2159;
    if (withModel)
        w.errorModel = unc::Inputs {};
    return w;
}

// Leaves the reference at 615 m, between two of its stations, turning east.
clr::Well sidetrackOfReference(const clr::Well &reference)
{
    std::vector<clr::Reading> below;
    for (double md = 630; md <= 1500; md += 30)
        below.push_back({ md, std::min(40.0, 31.5 + (md - 615) / 10.0),
            std::min(90.0, 45 + (md - 615) / 10.0) });
    clr::Well w;
    w.name = "Bezug ST1";
    w.path = clr::sidetrackPath(reference.path, 615, below);
    w.holeDiameter = 0.1524;
    w.errorModel = unc::Inputs {};
    w.parent = reference.name;
    w.kickOffMd = 615;
    return w;
}

double distance3(double n1, double e1, double d1, double n2, double e2, double d2)
{
    return std::sqrt((n1 - n2) * (n1 - n2) + (e1 - e2) * (e1 - e2) + (d1 - d2) * (d1 - d2));
}

TEST(Sidetrack, IsItsParentAboveTheKickOff)
{
    const clr::Well ref = referenceWell();
    const clr::Well st = sidetrackOfReference(ref);
    std::size_t i = 0;
    for (; i < st.path.stations.size() && st.path.stations[i].md < 615; ++i) {
        const traj::Station &a = st.path.stations[i], &b = ref.path.stations[i];
        EXPECT_EQ(a.md, b.md);
        EXPECT_DOUBLE_EQ(a.tvd, b.tvd);
        EXPECT_DOUBLE_EQ(a.north, b.north);
        EXPECT_DOUBLE_EQ(a.east, b.east);
    }
    ASSERT_LT(i, st.path.stations.size());
    const traj::Station &kickOff = st.path.stations[i];
    traj::Point there;
    ASSERT_TRUE(traj::pointAtMd(ref.path, 615, there));
    EXPECT_EQ(kickOff.md, 615.0);
    EXPECT_NEAR(kickOff.tvd, there.tvd, 1e-9);
    EXPECT_NEAR(kickOff.north, there.north, 1e-9);
    EXPECT_NEAR(kickOff.east, there.east, 1e-9);
    EXPECT_NEAR(kickOff.inclination, there.inclination, 1e-9);

    // Taken for a well of its own, the sidetrack lies on the reference above the kick-off.
    clr::Well alone = st;
    alone.parent.clear();
    const clr::Scan s = clr::scan(ref, { alone });
    ASSERT_EQ(s.offsets.size(), 1u);
    EXPECT_EQ(s.offsets[0].fromMd, 0.0);
    for (const clr::Row &r : s.offsets[0].rows) {
        if (r.referenceMd <= 600) {
            EXPECT_LT(r.distance, 1e-6) << r.referenceMd;
        }
    }
}

TEST(Sidetrack, ScanAgainstItsParentStartsBelowTheKickOff)
{
    const clr::Well ref = referenceWell();
    const clr::Well st = sidetrackOfReference(ref);
    for (bool sidetrackIsReference : { false, true }) {
        SCOPED_TRACE(
            sidetrackIsReference ? "the sidetrack as reference" : "the parent as reference");
        const clr::Well &a = sidetrackIsReference ? st : ref;
        const clr::Well &b = sidetrackIsReference ? ref : st;
        const clr::Scan s = clr::scan(a, { b });
        ASSERT_EQ(s.offsets.size(), 1u);
        const clr::OffsetScan &os = s.offsets[0];
        EXPECT_EQ(os.fromMd, 615.0);
        const auto below = std::count_if(a.path.stations.begin(), a.path.stations.end(),
            [](const traj::Station &x) { return x.md > 615; });
        ASSERT_EQ(os.rows.size(), static_cast<std::size_t>(below));
        double last = 0;
        for (const clr::Row &r : os.rows) {
            EXPECT_GT(r.referenceMd, 615.0);
            EXPECT_GE(r.offsetMd, 615.0);
            // The two holes part steadily.
            EXPECT_GT(r.distance, last) << r.referenceMd;
            last = r.distance;
        }
        ASSERT_TRUE(os.closestApproach);
        EXPECT_GT(os.closestApproach->referenceMd, 615.0);
    }
}

TEST(Sidetrack, SharedDepthThroughParentsAndSiblings)
{
    clr::Well parent, first, second, ofFirst, other;
    parent.name = "A";
    first.name = "A ST1";
    first.parent = "A";
    first.kickOffMd = 800;
    second.name = "A ST2";
    second.parent = "A";
    second.kickOffMd = 1200;
    ofFirst.name = "A ST1 ST1";
    ofFirst.parent = "A ST1";
    ofFirst.kickOffMd = 1500;
    other.name = "B";
    const std::vector<const clr::Well *> all { &parent, &first, &second, &ofFirst, &other };
    EXPECT_EQ(clr::sharedDepth(parent, first, all), 800.0);
    EXPECT_EQ(clr::sharedDepth(second, parent, all), 1200.0);
    EXPECT_EQ(clr::sharedDepth(first, second, all), 800.0); // siblings: the shallower kick-off
    EXPECT_EQ(clr::sharedDepth(ofFirst, first, all), 1500.0);
    EXPECT_EQ(clr::sharedDepth(ofFirst, parent, all), 800.0); // through its parent's kick-off
    EXPECT_EQ(clr::sharedDepth(ofFirst, second, all), 800.0);
    EXPECT_EQ(clr::sharedDepth(parent, other, all), 0.0);
    // A parent that is not among the wells still names the hole.
    EXPECT_EQ(clr::sharedDepth(first, second, { &first, &second }), 800.0);
}

// A vertical offset well 50 m away (30 N, 40 E), its depth reference 5 m above the
// reference's: its nearest point lies at the reference point's depth, 5 m deeper by its
// own measure, and on its last station below its end.
TEST(VerticalOffset, NearestPointAtTheSameDepthAndTheBearingToTheSlot)
{
    const clr::Well ref = referenceWell();
    clr::Well v;
    v.name = "Senkrecht";
    std::vector<clr::Reading> readings;
    for (double md = 0; md <= 800; md += 100)
        readings.push_back({ md, 0, 0 });
    v.path = clr::pathOf(readings);
    v.slotNorth = 30;
    v.slotEast = 40;
    v.depthShift = -5;
    std::vector<double> every10;
    for (double md = 5; md < 1500; md += 10)
        every10.push_back(md);
    const clr::Scan s = clr::scan(ref, { v }, {}, every10);
    ASSERT_EQ(s.offsets.size(), 1u);
    const auto &rows = s.offsets[0].rows;
    EXPECT_EQ(rows.size(), ref.path.stations.size() + every10.size());
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(),
        [](const clr::Row &a, const clr::Row &b) { return a.referenceMd < b.referenceMd; }));
    for (const clr::Row &r : rows) {
        SCOPED_TRACE("reference MD " + std::to_string(r.referenceMd));
        const double ownMd = std::clamp(r.referenceTvd + 5, 0.0, 800.0);
        EXPECT_NEAR(r.offsetMd, ownMd, 1e-9);
        EXPECT_NEAR(r.offsetTvd, ownMd - 5, 1e-9);
        EXPECT_NEAR(r.offsetNorth, 30, 1e-9);
        EXPECT_NEAR(r.offsetEast, 40, 1e-9);
        EXPECT_NEAR(r.distance,
            distance3(r.referenceNorth, r.referenceEast, r.referenceTvd, 30, 40, ownMd - 5), 1e-9);
        double bearing = std::atan2(40 - r.referenceEast, 30 - r.referenceNorth) / kDegree;
        if (bearing < 0)
            bearing += 360;
        EXPECT_NEAR(r.bearing, bearing, 1e-9);
        EXPECT_FALSE(r.separationFactor); // the vertical well has no error model
        EXPECT_TRUE(r.referencePcr);
        EXPECT_FALSE(r.offsetPcr);
    }
}

// An offset from 50 m east, straight at 30° toward west, crosses the vertical reference at
// 50 / tan 30° = 86.60 m TVD, 100 m along itself: between the reference's stations at 50
// and 100 m.
TEST(Crossing, ClosestApproachIsTheCrossingAndTheFactorNegative)
{
    clr::Well ref;
    ref.name = "Bezug";
    std::vector<clr::Reading> vertical;
    for (double md = 0; md <= 500; md += 50)
        vertical.push_back({ md, 0, 0 });
    ref.path = clr::pathOf(vertical);
    ref.holeDiameter = 0.2159;
    ref.errorModel = unc::Inputs {};
    clr::Well x;
    x.name = "Kreuzung";
    x.path = clr::pathOf({ { 0, 30, 270 }, { 200, 30, 270 } });
    x.slotEast = 50;
    x.holeDiameter = 0.2159;
    x.errorModel = unc::Inputs {};
    clr::Well far = x;
    far.name = "Fern";
    far.slotEast = 5000;

    const clr::Scan s = clr::scan(ref, { far, x });
    ASSERT_EQ(s.offsets.size(), 2u);
    const clr::OffsetScan &os = s.offsets[1];
    ASSERT_TRUE(os.closestApproach);
    const double crossing = 50 / std::tan(30 * kDegree);
    EXPECT_LT(os.closestApproach->distance, 1e-6);
    EXPECT_NEAR(os.closestApproach->referenceMd, crossing, 1e-5);
    EXPECT_NEAR(os.closestApproach->offsetMd, 100, 1e-5);
    ASSERT_TRUE(os.closestApproach->separationFactor);
    EXPECT_LT(*os.closestApproach->separationFactor, 0.0);
    ASSERT_TRUE(os.lowestSeparation);
    EXPECT_NEAR(os.lowestSeparation->referenceMd, crossing, 1e-5);

    // At the station at 100 m: the foot of the perpendicular on the offset's line.
    const auto at100 = std::find_if(
        os.rows.begin(), os.rows.end(), [](const clr::Row &r) { return r.referenceMd == 100; });
    ASSERT_NE(at100, os.rows.end());
    const double sn = std::sin(30 * kDegree), cs = std::cos(30 * kDegree);
    const double along = (0 - 50) * -sn + 100 * cs; // (P - slot) · direction
    EXPECT_NEAR(at100->offsetMd, along, 1e-9);
    EXPECT_NEAR(at100->distance, distance3(0, 0, 100, 0, 50 - along * sn, along * cs), 1e-9);
    EXPECT_NEAR(at100->bearing, 270, 1e-9); // the foot lies west of the reference

    // The findings: the crossing with its depth and negative factor, nothing of the far one.
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
    const std::string text = clr::germanText(found[0]);
    EXPECT_NE(text.find("Kreuzung"), std::string::npos) << text;
    EXPECT_NE(text.find("bei 86.60 m MD"), std::string::npos) << text;
}

TEST(Findings, WellsWithoutModelOrStationsAreNamed)
{
    const clr::Well ref = referenceWell(false);
    clr::Well modelled;
    modelled.name = "Mit Modell";
    modelled.path = clr::pathOf({ { 0, 0, 0 }, { 1000, 0, 0 } });
    modelled.slotNorth = 20;
    modelled.errorModel = unc::Inputs {};
    clr::Well bare = modelled;
    bare.name = "Ohne Modell";
    bare.errorModel.reset();
    clr::Well empty;
    empty.name = "Leer";
    const clr::Scan s = clr::scan(ref, { modelled, empty, bare });
    EXPECT_TRUE(s.offsets[1].rows.empty());
    EXPECT_FALSE(s.offsets[0].lowestSeparation);
    ASSERT_TRUE(s.offsets[0].closestApproach);
    EXPECT_FALSE(s.offsets[0].closestApproach->separationFactor);
    const std::vector<clr::Finding> expected {
        { clr::Message::NoSeparationFactor, "Mit Modell", { 0, 1 } },
        { clr::Message::NothingScanned, "Leer", {} },
        { clr::Message::NoSeparationFactor, "Ohne Modell", { 0, 0 } },
    };
    EXPECT_EQ(clr::findings(s), expected);
    EXPECT_NE(clr::germanText(expected[0]).find("die Bezugsbohrung hat kein Fehlermodell"),
        std::string::npos);
}

} // namespace
