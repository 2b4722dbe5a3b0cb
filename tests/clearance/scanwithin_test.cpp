// The scan within a radius against a generated field: pads of wells that build away in all
// directions, some crossing the reference. Against the scan of each pair alone it must
// find the same closest approach and the same lowest separation factor for every offset
// that comes within the radius, leave out exactly the others, and give the same answers on
// any number of threads. The box of a well's reach must never lie farther from another's
// than the two paths do.
#include "clearance/scan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

clr::Well generated(std::mt19937 &random, const std::string &name, double north, double east)
{
    std::uniform_real_distribution<double> kickOff(100, 900), build(1, 4), azimuth(0, 360),
        hold(20, 75), length(1200, 3000);
    const double kop = kickOff(random), rate = build(random), azi = azimuth(random),
                 inc = hold(random), total = length(random);
    std::vector<clr::Reading> readings { { 0, 0, 0 } };
    for (double md = 30; md <= total; md += 30) {
        const double i = md <= kop ? 0 : std::min(inc, (md - kop) * rate / 30);
        readings.push_back({ md, i, azi });
    }
    clr::Well w;
    w.name = name;
    w.path = clr::pathOf(readings);
    w.slotNorth = north;
    w.slotEast = east;
    w.holeDiameter = 0.2159;
    w.errorModel = unc::Inputs {};
    return w;
}

struct Field
{
    clr::Well reference;
    std::vector<clr::Well> offsets;
};

Field generatedField(unsigned seed)
{
    std::mt19937 random(seed);
    Field f;
    f.reference = generated(random, "R", 0, 0);
    // Three pads: one beside the reference's slot, two farther off.
    const double pads[3][2] = { { 15, 10 }, { 900, -400 }, { -2500, 3000 } };
    for (int p = 0; p < 3; ++p) {
        for (int k = 0; k < 8; ++k) {
            // Appended, not "P" + …: GCC 12 at -O3 warns of an overlapping copy there.
            std::string name = "P";
            name += std::to_string(p);
            name += '-';
            name += std::to_string(k);
            f.offsets.push_back(
                generated(random, name, pads[p][0] + 5.0 * k, pads[p][1] - 3.0 * k));
        }
    }
    return f;
}

} // namespace

TEST(ScanWithin, FindsWhatEachPairAloneFindsAndLeavesOutExactlyTheFarOnes)
{
    for (unsigned seed : { 1u, 7u, 42u }) {
        const Field f = generatedField(seed);
        for (double radius : { 50.0, 400.0, 1500.0 }) {
            const clr::Scan all = clr::scan(f.reference, f.offsets, {}, {}, { radius, 2 });
            ASSERT_EQ(all.offsets.size(), f.offsets.size());
            int within = 0, beyond = 0;
            for (std::size_t i = 0; i < f.offsets.size(); ++i) {
                const clr::Scan alone = clr::scan(f.reference, { f.offsets[i] });
                const clr::OffsetScan &a = alone.offsets.front(), &b = all.offsets[i];
                ASSERT_TRUE(a.closestApproach.has_value());
                EXPECT_EQ(b.name, a.name);
                if (a.closestApproach->distance > radius) {
                    EXPECT_TRUE(b.outOfReach) << seed << " " << radius << " " << a.name;
                    EXPECT_TRUE(b.rows.empty());
                    ++beyond;
                    continue;
                }
                ++within;
                ASSERT_FALSE(b.outOfReach) << seed << " " << radius << " " << a.name;
                EXPECT_EQ(b.rows.size(), a.rows.size());
                EXPECT_EQ(b.closestApproach->distance, a.closestApproach->distance);
                ASSERT_TRUE(a.lowestSeparation && b.lowestSeparation);
                EXPECT_EQ(*b.lowestSeparation->separationFactor,
                    *a.lowestSeparation->separationFactor);
                EXPECT_EQ(b.lowestSeparation->referenceMd, a.lowestSeparation->referenceMd);
            }
            // The field is made so that each radius keeps some and leaves some.
            if (radius < 1500.0) {
                EXPECT_GT(beyond, 0) << seed << " " << radius;
            }
            EXPECT_GT(within, 0) << seed << " " << radius;
        }
    }
}

TEST(ScanWithin, AnyNumberOfThreadsGivesTheSameScan)
{
    const Field f = generatedField(3);
    const clr::Scan one = clr::scan(f.reference, f.offsets, {}, { 500.0, 1250.0 });
    for (unsigned threads : { 2u, 3u, 8u, 64u }) {
        const clr::Scan many
            = clr::scan(f.reference, f.offsets, {}, { 500.0, 1250.0 }, { INFINITY, threads });
        ASSERT_EQ(many.offsets.size(), one.offsets.size());
        for (std::size_t i = 0; i < one.offsets.size(); ++i) {
            ASSERT_EQ(many.offsets[i].rows.size(), one.offsets[i].rows.size());
            for (std::size_t r = 0; r < one.offsets[i].rows.size(); ++r) {
                EXPECT_EQ(many.offsets[i].rows[r].distance, one.offsets[i].rows[r].distance);
                EXPECT_EQ(many.offsets[i].rows[r].separationFactor,
                    one.offsets[i].rows[r].separationFactor);
            }
        }
    }
}

TEST(ScanWithin, TheBoxesOfReachNeverLieFartherApartThanThePaths)
{
    for (unsigned seed = 100; seed < 110; ++seed) {
        const Field f = generatedField(seed);
        const clr::Box mine = clr::reach(f.reference);
        for (const clr::Well &o : f.offsets) {
            const clr::Scan alone = clr::scan(f.reference, { o });
            const double lowerBound = mine.distanceTo(clr::reach(o));
            EXPECT_LE(lowerBound, alone.offsets.front().closestApproach->distance + 1e-9)
                << seed << " " << o.name;
        }
    }
}
