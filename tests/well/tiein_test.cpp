// Surveys that begin at a tie-in station: a survey split in two and continued from the
// upper part's last station ends where the whole survey ends; the first interval from
// the tie-in against geometry worked out by hand; stations at or above the tie-in refused;
// interpolation above it refused; the stored form of the tie-in.
#include "tests/support/welltest.h"
#include "well/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using welltest::texts;

namespace {

constexpr double kPi = 3.14159265358979323846;

// A random but drillable survey: depths 15 to 90 m apart, directions that turn by at most
// a few degrees per station, so that no interval comes near the 90 degree limit.
std::vector<well::Station> generatedSurvey(unsigned seed, int count)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> step(15.0, 90.0), turn(-6.0, 6.0);
    std::vector<well::Station> out;
    double md = 0, inc = 0, azi = std::uniform_real_distribution<double>(0.0, 360.0)(random);
    for (int i = 0; i < count; ++i) {
        md += step(random);
        inc = std::clamp(inc + std::fabs(turn(random)) * (md < 2500 ? 1.0 : -0.5), 0.0, 95.0);
        azi = std::fmod(azi + turn(random) + 360.0, 360.0);
        out.push_back({ md, inc, azi });
    }
    return out;
}

well::Well wellOfStations(
    const std::vector<well::Station> &stations, std::optional<well::TieIn> tieIn = std::nullopt)
{
    well::Well w;
    for (const well::Station &s : stations)
        w.survey.add(s);
    w.settings.tieIn = tieIn;
    return w;
}

} // namespace

// The survey computed in one piece, and computed again below a station with that
// station's computed position as the tie-in: both end at the same point.
TEST(TieIn, ContinuingFromAStationEndsWhereTheWholeSurveyEnds)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        const std::vector<well::Station> stations = generatedSurvey(seed, 60);
        const well::Computation whole = well::compute(wellOfStations(stations));
        ASSERT_TRUE(whole.clean());
        ASSERT_FALSE(whole.aborted);
        // Split at the first station at or below 1200 m (the path's index is one more:
        // the surface station stands in front).
        std::size_t split = 0;
        while (stations[split].md < 1200.0)
            ++split;
        const traj::Station &at = whole.path.stations[split + 1];
        ASSERT_EQ(at.md, stations[split].md);
        const well::TieIn tieIn { at.md, at.tvd, at.north, at.east, at.inclination, at.azimuth };
        const std::vector<well::Station> lower(stations.begin() + split + 1, stations.end());
        const well::Computation part = well::compute(wellOfStations(lower, tieIn));
        ASSERT_TRUE(part.clean());
        ASSERT_EQ(part.path.stations.size(), lower.size() + 1);

        const traj::Station &a = whole.path.last(), &b = part.path.last();
        EXPECT_NEAR(a.tvd, b.tvd, 1e-6);
        EXPECT_NEAR(a.north, b.north, 1e-6);
        EXPECT_NEAR(a.east, b.east, 1e-6);
        // Every station below the split, not only the last, and the table's own pass.
        for (std::size_t i = 0; i < lower.size(); ++i) {
            const traj::Station &p = whole.path.stations[split + 2 + i],
                                &q = part.path.stations[1 + i];
            ASSERT_NEAR(p.north, q.north, 1e-6);
            ASSERT_NEAR(p.displacement, q.displacement, 1e-6);
            ASSERT_NEAR(p.doglegPer30, q.doglegPer30, 1e-9);
        }
        EXPECT_NEAR(whole.legacy.last().tvd, part.legacy.last().tvd, 1e-2);
        EXPECT_NEAR(part.path.stations.front().displacement, std::hypot(at.north, at.east), 1e-9);
    }
}

// Positions worked out with pencil and paper: a straight piece along the tie-in's
// direction, and a horizontal quarter circle of radius 200 m that turns from north to east.
TEST(TieIn, FirstIntervalRunsFromTheTieInByMinimumCurvature)
{
    const well::TieIn straight { 1000, 950, -4.65, 0.92, 30, 45 };
    const well::Computation s = well::compute(wellOfStations({ { 1030, 30, 45 } }, straight));
    ASSERT_EQ(s.path.stations.size(), 2u);
    const double horizontal = 30 * 0.5, diagonal = horizontal / std::sqrt(2.0);
    EXPECT_NEAR(s.path.last().tvd, 950 + 30 * std::sqrt(3.0) / 2, 1e-9);
    EXPECT_NEAR(s.path.last().north, -4.65 + diagonal, 1e-9);
    EXPECT_NEAR(s.path.last().east, 0.92 + diagonal, 1e-9);
    EXPECT_NEAR(s.path.last().depthLoss, 1030 - s.path.last().tvd, 1e-9);
    EXPECT_TRUE(s.path.last().straight);

    const double radius = 200, arc = radius * kPi / 2;
    const well::TieIn horizontalTieIn { 2000, 1500, 10, 20, 90, 0 };
    const well::Computation q
        = well::compute(wellOfStations({ { 2000 + arc, 90, 90 } }, horizontalTieIn));
    ASSERT_EQ(q.path.stations.size(), 2u);
    EXPECT_NEAR(q.path.last().tvd, 1500, 1e-9);
    EXPECT_NEAR(q.path.last().north, 10 + radius, 1e-9);
    EXPECT_NEAR(q.path.last().east, 20 + radius, 1e-9);
    EXPECT_NEAR(q.path.last().radius, radius, 1e-9);
    // The results table begins with the interval from the tie-in, in its printed digits:
    // 90 degrees over 100 pi metres are 8.594 degrees per 30 m.
    ASSERT_EQ(q.table.size(), 7u);
    EXPECT_EQ(q.table[6].substr(0, 24), "    2000.0-2314.2  8.594");
    // A point half way along the arc lies on the circle around its centre (210, 20).
    const well::Interpolation mid = well::interpolate(q, 2000 + arc / 2);
    ASSERT_TRUE(mid.point);
    EXPECT_NEAR(std::hypot(mid.point->north - 10, mid.point->east - (20 + radius)), radius, 1e-9);
    EXPECT_NEAR(mid.point->east - 20, radius * (1 - std::cos(kPi / 4)), 1e-9);
}

TEST(TieIn, StationsAtOrAboveTheTieInAreRefused)
{
    const well::TieIn tieIn { 500, 480, 12, -3, 10, 200 };
    for (double first : { 500.0, 499.0, 0.0 }) {
        SCOPED_TRACE(first);
        const well::Computation r
            = well::compute(wellOfStations({ { first, 10, 200 }, { 600, 12, 205 } }, tieIn));
        EXPECT_FALSE(r.clean());
        ASSERT_EQ(r.diagnostics.size(), 1u);
        EXPECT_EQ(r.diagnostics[0].id, well::Message::FirstDepthAtTieIn);
        EXPECT_NE(texts(r.diagnostics)[0].find("Anschlusspunkt bei 500 m"), std::string::npos);
        EXPECT_TRUE(r.table.empty());
        // Nothing is computed beyond the tie-in, and it stays where it is.
        ASSERT_EQ(r.path.stations.size(), 1u);
        EXPECT_EQ(r.path.stations[0].north, 12);
    }
    // Below it every rule of the check holds as before: the depths rise.
    const well::Computation r
        = well::compute(wellOfStations({ { 600, 10, 200 }, { 550, 12, 205 } }, tieIn));
    ASSERT_EQ(r.diagnostics.size(), 1u);
    EXPECT_EQ(r.diagnostics[0].id, well::Message::DepthNotIncreasing);
    EXPECT_EQ(r.path.stations.size(), 2u);
}

TEST(TieIn, InterpolationAboveTheTieInIsRefusedAndAtItGivesTheTieIn)
{
    const well::TieIn tieIn { 500, 480, 12, -3, 10, 200 };
    const well::Computation r
        = well::compute(wellOfStations({ { 600, 10, 200 }, { 700, 12, 205 } }, tieIn));
    const well::Interpolation above = well::interpolate(r, 250);
    EXPECT_FALSE(above.point);
    EXPECT_EQ(above.diagnostic.id, well::Message::DepthAboveTieIn);
    EXPECT_NE(well::germanText(above.diagnostic).find("über dem Anschlusspunkt bei 500 m"),
        std::string::npos);
    const well::Interpolation at = well::interpolate(r, 500);
    ASSERT_TRUE(at.point);
    EXPECT_EQ(at.point->tvd, 480);
    EXPECT_EQ(at.point->north, 12);
    EXPECT_EQ(at.point->east, -3);
}

TEST(TieInJson, StoredAsOneMemberAndReadBack)
{
    WellSettings s;
    EXPECT_EQ(settingsToJson(s), "{}");
    s.tieIn = well::TieIn { 1200.5, 1150.25, -4.65, 0.92, 12.5, 359.5 };
    const std::string json = settingsToJson(s);
    EXPECT_EQ(json,
        R"({"tieIn":{"md":1200.5,"tvd":1150.25,"north":-4.65,"east":0.92,)"
        R"("inclination":12.5,"azimuth":359.5}})");
    WellSettings back;
    std::string fault;
    ASSERT_TRUE(settingsFromJson(json, back, &fault)) << fault;
    EXPECT_EQ(back, s);
    // Without the member there is no tie-in.
    ASSERT_TRUE(settingsFromJson(R"({"elevation":12.0})", back, &fault)) << fault;
    EXPECT_FALSE(back.tieIn);
}

TEST(TieInJson, RefusedValuesNameTheMemberAndChangeNothing)
{
    const struct
    {
        const char *json;
        const char *member;
    } cases[] = {
        { R"({"tieIn":[1,2,3]})", "\"tieIn\"" },
        { R"({"tieIn":{"md":1,"tvd":1,"north":0,"east":0,"inclination":0}})", "\"tieIn.azimuth\"" },
        { R"({"tieIn":{"md":-1,"tvd":1,"north":0,"east":0,"inclination":0,"azimuth":0}})",
            "\"tieIn.md\"" },
        { R"({"tieIn":{"md":1,"tvd":1,"north":0,"east":0,"inclination":180.5,"azimuth":0}})",
            "\"tieIn.inclination\"" },
        { R"({"tieIn":{"md":1,"tvd":1,"north":0,"east":"x","inclination":0,"azimuth":0}})",
            "\"tieIn.east\"" },
        { R"({"tieIn":{"md":1,"tvd":1,"north":0,"east":0,"inclination":0,"azimuth":361}})",
            "\"tieIn.azimuth\"" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.json);
        WellSettings kept;
        kept.elevation = 7;
        std::string fault;
        EXPECT_FALSE(settingsFromJson(c.json, kept, &fault));
        EXPECT_NE(fault.find(c.member), std::string::npos) << fault;
        EXPECT_EQ(kept.elevation, 7);
        EXPECT_FALSE(kept.tieIn);
    }
}
