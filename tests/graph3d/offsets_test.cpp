// The neighbouring wells of a document in the 3D scene, against the ISCWSA clearance set
// (tests/data/clearance): each offset's points where the set puts its stations (north and
// east of the reference slot and TVD, to the set's 0.01 m) and its tube at 1 σ as wide
// toward the high side and the lateral as the set's σH and σL (to 0.001 m: the error
// model's σ, which the tube shows, meet the set's so closely).
#include "graph3d/view3dscene.h"
#include "well/computation.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>

namespace {

using Table = std::vector<std::vector<double>>;

Table readTable(const std::string &name)
{
    const char *dir = std::getenv("DRAVON_TEST_DATA");
    std::ifstream in(std::string(dir ? dir : ".") + "/clearance/" + name);
    EXPECT_TRUE(in) << name;
    Table rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<double> row;
        for (const char *p = line.data(), *end = p + line.size(); p < end;) {
            double v = 0;
            const auto [stop, ec] = std::from_chars(p, end, v);
            EXPECT_TRUE(ec == std::errc()) << name << ": " << line;
            row.push_back(v);
            p = stop + 1;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

enum { Md, Inc, Azi, Tvd, North, East, SigmaH, SigmaL };

std::vector<well::Station> stationsOf(const Table &t)
{
    std::vector<well::Station> out;
    for (const auto &row : t)
        out.push_back({ row[Md], row[Inc], row[Azi] });
    return out;
}

} // namespace

TEST(Offsets3d, OffsetsStandWhereTheClearanceSetPutsThemWithTheirTubes)
{
    const Table reference = readTable("reference-well.csv");
    well::Well w;
    w.name = "Referenz";
    for (const well::Station &s : stationsOf(reference))
        w.survey.add(s);
    // The set's inputs: ISCWSA MWD Rev 4, grid azimuths without convergence.
    WellSettings &s = w.settings;
    s.uncertainty.model = ErrorModel::IscwsaMwdRev4;
    s.uncertainty.totalField = 50000;
    s.uncertainty.dip = 70;
    s.uncertainty.ellipseSigma = 1;
    s.declination = 0;
    s.north = NorthReference::Grid;
    s.gridConvergence = 0;
    const char *files[]
        = { "offset-01.csv", "offset-02.csv", "offset-03.csv", "offset-04.csv", "offset-05.csv" };
    std::vector<Table> tables;
    for (const char *f : files) {
        tables.push_back(readTable(f));
        OffsetWell o;
        o.name = f;
        o.stations = stationsOf(tables.back());
        // Their slots: where their first stations lie.
        o.slotNorth = tables.back().front()[North];
        o.slotEast = tables.back().front()[East];
        s.offsets.push_back(o);
    }
    // The offsets with their covariances, the well without its own.
    analysis::Analysis analysed(w);
    analysed.setScope({ false, true, true });
    analysed.compute();
    const scene3d::Scene scene = view3d::wellScene(analysed);
    ASSERT_EQ(scene.wells.size(), 6u);
    EXPECT_EQ(scene.wells[0].name, "Referenz");
    for (std::size_t k = 0; k < tables.size(); ++k) {
        const scene3d::SceneWell &o = scene.wells[k + 1];
        EXPECT_EQ(o.name, files[k]);
        EXPECT_FALSE(o.colour == scene.wells[0].colour);
        ASSERT_EQ(o.rings.size(), o.points.size()) << files[k];
        std::size_t found = 0;
        for (const auto &row : tables[k]) {
            // The scene's point at the station's depth.
            std::size_t i = 0;
            while (i < o.mds.size() && std::fabs(o.mds[i] - row[Md]) > 1e-6)
                ++i;
            ASSERT_LT(i, o.mds.size()) << files[k] << " " << row[Md];
            ++found;
            const scene3d::Point3 &p = o.points[i];
            EXPECT_NEAR(p.north, row[North], 0.006) << files[k] << " " << row[Md];
            EXPECT_NEAR(p.east, row[East], 0.006) << files[k] << " " << row[Md];
            EXPECT_NEAR(p.tvd, row[Tvd], 0.006) << files[k] << " " << row[Md];
            // How far the ellipse reaches toward the high side and the lateral: the set's σ.
            const double r = std::numbers::pi / 180;
            const double si = std::sin(row[Inc] * r), ci = std::cos(row[Inc] * r);
            const double sa = std::sin(row[Azi] * r), ca = std::cos(row[Azi] * r);
            const scene3d::Point3 h { ci * ca, ci * sa, -si }, l { -sa, ca, 0 };
            const scene3d::Ring &ring = o.rings[i];
            const auto reach = [&](const scene3d::Point3 &d) {
                return std::hypot(scene3d::dot(ring.major, d), scene3d::dot(ring.minor, d));
            };
            EXPECT_NEAR(reach(h), row[SigmaH], 0.001) << files[k] << " " << row[Md];
            EXPECT_NEAR(reach(l), row[SigmaL], 0.001) << files[k] << " " << row[Md];
        }
        EXPECT_EQ(found, tables[k].size());
    }
    // Scanned within a radius, an offset moved 20 km off keeps its place but shows no path,
    // and the others keep their colours.
    WellSettings moved = w.settings;
    moved.offsets[1].slotNorth += 20000;
    clr::ScanOptions within;
    within.radius = 2000;
    analysed.setScanOptions(within);
    analysed.setSettings(moved);
    analysed.compute();
    const scene3d::Scene near = view3d::wellScene(analysed);
    ASSERT_EQ(near.wells.size(), 6u);
    EXPECT_TRUE(near.wells[2].points.empty());
    for (std::size_t k : { 1u, 3u, 4u, 5u }) {
        EXPECT_FALSE(near.wells[k].points.empty()) << k;
        EXPECT_TRUE(near.wells[k].colour == scene.wells[k].colour) << k;
    }
    EXPECT_LT(near.bounds.high.north, scene.bounds.high.north + 1000);
    // Without offsets the scene holds the well alone.
    WellSettings alone = w.settings;
    alone.offsets.clear();
    analysed.setSettings(alone);
    EXPECT_EQ(view3d::wellScene(analysed).wells.size(), 1u);
}
