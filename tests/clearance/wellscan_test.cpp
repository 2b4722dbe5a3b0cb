// The scan of a typed well against the offsets its settings hold, each part against
// arithmetic of its own: slots and depth shifts of vertical wells, the slot of a wellhead
// in a projected system against PROJ's geographic coordinates and the ellipsoid's radii,
// sidetracks of the well and of an offset, the setup findings for what keeps an offset
// out, and the notice of the factors below the warning factor.
#include "clearance/wellscan.h"
#include "geo/offsetslot.h"
#include "geo/projection.h"
#include "well/computation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

std::vector<well::Station> vertical(double depth, double step = 100)
{
    std::vector<well::Station> s;
    for (double md = 0; md <= depth; md += step)
        s.push_back({ md, 0, 0 });
    return s;
}

// Vertical to 500 m, then building 2°/30 m east to 30° at 950 m, holding to 1400 m.
std::vector<well::Station> deviated()
{
    std::vector<well::Station> s;
    for (double md = 0; md <= 1400; md += 50)
        s.push_back({ md, std::clamp((md - 500) / 15.0, 0.0, 30.0), 90 });
    return s;
}

well::Well wellOf(const std::vector<well::Station> &stations, const char *name = "Bezug")
{
    well::Well w;
    w.name = name;
    for (const well::Station &s : stations)
        w.survey.add(s);
    return w;
}

OffsetWell offset(
    const char *name, std::vector<well::Station> stations, double north = 0, double east = 0)
{
    OffsetWell o;
    o.name = name;
    o.stations = std::move(stations);
    o.slotNorth = north;
    o.slotEast = east;
    return o;
}

clr::WellScan scanOf(const well::Well &w, const std::vector<double> &more = {})
{
    return clr::scanWell(w, well::compute(w).path, more);
}

TEST(WellScan, SlotAndDepthShiftOfVerticalWells)
{
    well::Well w = wellOf(vertical(1000));
    w.settings.elevation = 100;
    OffsetWell a = offset("A", vertical(1000, 50), 3, 4);
    a.elevation = 90; // its zero lies 10 m below the well's
    w.settings.offsets = { a };
    const clr::WellScan s = scanOf(w, { 250, 333.5 });
    EXPECT_TRUE(s.setup.empty());
    ASSERT_EQ(s.scan.offsets.size(), 1u);
    const std::vector<clr::Row> &rows = s.scan.offsets[0].rows;
    ASSERT_EQ(rows.size(), 11u + 2u); // the stations and both depths between them
    for (const clr::Row &r : rows) {
        SCOPED_TRACE(r.referenceMd);
        EXPECT_NEAR(r.bearing, std::atan2(4.0, 3.0) / kDegree, 1e-9);
        EXPECT_FALSE(r.separationFactor) << "no error model: distances only";
        if (r.referenceMd < 10) {
            // Above the offset's top: its first point, at 10 m in the well's depths.
            EXPECT_NEAR(r.offsetMd, 0, 1e-9);
            EXPECT_NEAR(r.distance, std::hypot(5.0, 10 - r.referenceTvd), 1e-9);
        } else {
            EXPECT_NEAR(r.offsetTvd, r.referenceTvd, 1e-6);
            EXPECT_NEAR(r.offsetMd, r.referenceTvd - 10, 1e-6);
            EXPECT_NEAR(r.distance, 5, 1e-6);
        }
    }
}

// Two wellheads 1000 m apart along the grid's east axis, 1° east of the central meridian
// of UTM zone 31 at 60° north (WGS 84), the well's azimuths against true north. The slot
// must be where the two wellheads lie in the plane that touches the ellipsoid at the
// well's wellhead, from PROJ's geographic coordinates of both through earth-centred
// coordinates, turned into grid north; and the neighbour's true north turned by the difference of
// the meridians' convergence, Δλ · sin φ.
TEST(WellScan, SlotOfAWellheadOnTheEllipsoid)
{
    WellSettings s;
    s.epsg = 32631;
    s.wellhead = Wellhead { 555700, 6652000 };
    s.north = NorthReference::True;
    const Wellhead other { 556700, 6652000 };
    std::string fault;
    const auto slot = geo::slotFromWellhead(s, other, fault);
    ASSERT_TRUE(slot) << fault;

    const geo::GridToWgs84 crs(32631);
    const auto a = crs.toWgs84({ s.wellhead->easting, s.wellhead->northing });
    const auto b = crs.toWgs84({ other.easting, other.northing });
    ASSERT_TRUE(a && b);
    const double f = 1 / 298.257223563, e2 = f * (2 - f), big = 6378137;
    const auto ecef = [&](const geo::LonLat &p) {
        const double phi = p.lat * kDegree, lambda = p.lon * kDegree;
        const double n = big / std::sqrt(1 - e2 * std::sin(phi) * std::sin(phi));
        return std::array<double, 3> { n * std::cos(phi) * std::cos(lambda),
            n * std::cos(phi) * std::sin(lambda), n * (1 - e2) * std::sin(phi) };
    };
    const auto pa = ecef(*a), pb = ecef(*b);
    const double d[3] = { pb[0] - pa[0], pb[1] - pa[1], pb[2] - pa[2] };
    const double phi = a->lat * kDegree, lambda = a->lon * kDegree;
    const double trueEast = -std::sin(lambda) * d[0] + std::cos(lambda) * d[1];
    const double trueNorth = -std::sin(phi) * std::cos(lambda) * d[0]
        - std::sin(phi) * std::sin(lambda) * d[1] + std::cos(phi) * d[2];
    // The well has a coordinate system, so its course is in grid north: the slot turns
    // from true north by minus the convergence at the wellhead (grid = true - c).
    const double c = *crs.convergenceAt({ s.wellhead->easting, s.wellhead->northing }) * kDegree;
    const double north = trueNorth * std::cos(c) + trueEast * std::sin(c);
    const double east = trueEast * std::cos(c) - trueNorth * std::sin(c);
    EXPECT_NEAR(slot->north, north, 0.001);
    EXPECT_NEAR(slot->east, east, 0.001);
    EXPECT_GT(slot->east, 1000.0) << "the grid is 0.9996 of the ground near its meridian";
    EXPECT_NEAR(slot->azimuthTurn, (a->lon - b->lon) * std::sin(phi), 1e-5);

    // Grid azimuths share one north, and a wellhead on the zone's meridian is where the
    // ISCWSA set's offset 01 lies (ED50): 99.96 m of grid are 100 m on the ground.
    s.epsg = 23031;
    s.north = NorthReference::Grid;
    s.wellhead = Wellhead { 500000, 6652000 };
    const auto onMeridian = geo::slotFromWellhead(s, { 500099.96, 6652000 }, fault);
    ASSERT_TRUE(onMeridian) << fault;
    EXPECT_NEAR(onMeridian->east, 100.0, 1e-4);
    EXPECT_NEAR(onMeridian->north, 0.0, 1e-6);
    EXPECT_EQ(onMeridian->azimuthTurn, 0.0);

    // The scan places such an offset there: straight east of a vertical well, 100 m.
    well::Well v = wellOf(vertical(500));
    v.settings = s;
    OffsetWell o = offset("R", vertical(500));
    o.wellhead = Wellhead { 500099.96, 6652000 };
    v.settings.offsets = { o };
    const clr::WellScan scanned = scanOf(v);
    ASSERT_EQ(scanned.scan.offsets.size(), 1u);
    EXPECT_NEAR(scanned.scan.offsets[0].rows.back().distance, 100.0, 1e-4);
    EXPECT_NEAR(scanned.scan.offsets[0].rows.back().bearing, 90.0, 1e-4);
}

// A sidetrack of the well is the well down to its kick-off and is scanned below it only;
// a sidetrack of an offset stands at that offset's slot.
TEST(WellScan, SidetracksOfTheWellAndOfAnOffset)
{
    well::Well w = wellOf(deviated());
    std::vector<well::Station> turned = deviated();
    for (well::Station &s : turned)
        s.azimuth = 0; // below the kick-off it builds north instead of east
    OffsetWell st = offset("ST1", turned);
    st.parent = "Bezug";
    st.kickOffMd = 700;
    OffsetWell a = offset("A", vertical(1400), 0, -60);
    OffsetWell ast = offset("A ST1", deviated());
    ast.parent = "A";
    ast.kickOffMd = 600;
    w.settings.offsets = { st, a, ast };
    const clr::WellScan s = scanOf(w);
    EXPECT_TRUE(s.setup.empty());
    ASSERT_EQ(s.scan.offsets.size(), 3u);

    const clr::OffsetScan &sidetrack = s.scan.offsets[0];
    EXPECT_EQ(sidetrack.fromMd, 700);
    ASSERT_FALSE(sidetrack.rows.empty());
    // From the kick-off on, where the two holes part.
    EXPECT_EQ(sidetrack.rows.front().referenceMd, 700);
    EXPECT_LT(sidetrack.rows.front().distance, 15);
    EXPECT_GT(sidetrack.rows.back().distance, sidetrack.rows.front().distance);

    // A's sidetrack is A above 600 m: 60 m west at the top, and A is no part of the well.
    const clr::OffsetScan &side = s.scan.offsets[2];
    EXPECT_EQ(side.fromMd, 0);
    EXPECT_NEAR(side.rows.front().distance, 60, 1e-9);
    EXPECT_NEAR(side.rows.front().bearing, 270, 1e-9);
}

TEST(WellScan, WhatKeepsAnOffsetOutIsSaid)
{
    well::Well w = wellOf(vertical(1000));
    OffsetWell high = offset("hoch", vertical(1000), 0, 20);
    high.elevation = 50; // the well has none
    OffsetWell orphan = offset("Waise", vertical(1000));
    orphan.parent = "niemand";
    orphan.kickOffMd = 100;
    OffsetWell child = offset("Kind", vertical(1000));
    child.parent = "hoch"; // left out with its parent, said once
    child.kickOffMd = 300;
    OffsetWell placed = offset("Rechtswert", vertical(1000));
    placed.wellhead = Wellhead { 500000, 5700000 }; // the well has no wellhead
    OffsetWell model = offset("Modell", vertical(1000), 30, 0);
    UncertaintySettings own;
    own.model = ErrorModel::IscwsaMwdRev5;
    own.totalField = 49000; // and no dip
    model.uncertainty = own;
    w.settings.offsets = { high, orphan, child, placed, model };
    const clr::WellScan s = scanOf(w);

    std::vector<std::pair<clr::SetupMessage, std::string>> said;
    for (const clr::SetupFinding &f : s.setup) {
        said.push_back({ f.id, f.well });
        EXPECT_NE(clr::text(f).find(f.well), std::string::npos) << clr::text(f);
    }
    const std::vector<std::pair<clr::SetupMessage, std::string>> expected
        = { { clr::SetupMessage::NoElevation, "hoch" }, { clr::SetupMessage::NoSlot, "Rechtswert" },
              { clr::SetupMessage::NoParent, "Waise" },
              { clr::SetupMessage::OffsetModelInputMissing, "Modell" } };
    EXPECT_EQ(said, expected);
    // Only the offset whose model lacks an input takes part, by distance alone.
    ASSERT_EQ(s.scan.offsets.size(), 1u);
    EXPECT_EQ(s.scan.offsets[0].name, "Modell");
    EXPECT_FALSE(s.scan.offsets[0].rows.back().offsetPcr);
}

TEST(WellScan, TheNoticeNamesTheOffsetsBelowTheWarningFactor)
{
    well::Well w = wellOf(deviated());
    UncertaintySettings &u = w.settings.uncertainty;
    u.model = ErrorModel::IscwsaMwdRev4;
    u.totalField = 50000;
    u.dip = 70;
    w.settings.declination = 0;
    w.settings.clearance.holeDiameter = 0.3;
    // The deviated well heads east to some 340 m: one offset close beside it, one far
    // away and one shallow where the well ends, 800 m below it.
    w.settings.offsets = { offset("nah", deviated(), 8, 0), offset("fern", vertical(1400), 0, -900),
        offset("flach", vertical(400), 0, 340) };
    const clr::WellScan s = scanOf(w);
    ASSERT_EQ(s.scan.offsets.size(), 3u);
    std::vector<double> lowest;
    for (const clr::OffsetScan &os : s.scan.offsets)
        lowest.push_back(*os.lowestSeparation->separationFactor);
    EXPECT_LT(lowest[0], 1.5);
    EXPECT_GT(lowest[1], 1.5);
    EXPECT_EQ(*s.lowestFactor(), *std::min_element(lowest.begin(), lowest.end()));

    const std::string notice = clr::warningNotice(s);
    EXPECT_NE(notice.find("nah"), std::string::npos) << notice;
    EXPECT_EQ(notice.find("fern"), std::string::npos) << notice;
    EXPECT_GT(lowest[2], 1.5);
    EXPECT_EQ(notice.find("flach"), std::string::npos) << notice;
    // A warning factor below every factor leaves nothing to say.
    w.settings.clearance.warningFactor = 0.5 * *s.lowestFactor();
    EXPECT_EQ(clr::warningNotice(scanOf(w)), "");
}

} // namespace
