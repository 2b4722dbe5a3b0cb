// The operator's rules: a hole that leaves its lease is caught where it crosses the line
// (the crossing of a straight hole worked out by hand), one that stays inside but comes
// near is told how near; each neighbour's lowest factor is graded by the strictest level
// it falls under; wells of a pad nearer than the shallow distance are named; a rule file
// with a fault is refused naming the member.
#include "clearance/rules.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>

namespace {

// Straight from the slot at `inclination` toward `azimuth`, a station every 30 m.
traj::Trajectory straight(double inclination, double azimuth, double length)
{
    std::vector<clr::Reading> r;
    for (double md = 0; md <= length; md += 30)
        r.push_back({ md, md == 0 ? 0.0 : inclination, azimuth });
    // The first interval already at the hole's direction.
    r[0].inclination = inclination;
    return clr::pathOf(r);
}

clr::Well vertical(const std::string &name, double east)
{
    clr::Well w;
    w.name = name;
    w.path = straight(0, 0, 2400);
    w.slotEast = east;
    w.holeDiameter = 0.2159;
    w.errorModel = unc::Inputs {};
    return w;
}

// A number as JSON writes it, whatever the locale.
std::string json(double v)
{
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, r.ptr);
}

clr::RuleSet rulesOf(const char *json)
{
    clr::RuleSet r;
    std::string fault;
    EXPECT_TRUE(clr::readRuleSet(json, r, fault)) << fault;
    return r;
}

} // namespace

TEST(Rules, AHoleLeavingItsLeaseIsCaughtWhereItCrossesTheLine)
{
    // 60° east from the wellhead: 1850 m along the hole lie 1850 sin 60° east of it.
    const traj::Trajectory path = straight(60, 90, 3000);
    const double head[2] = { 500000, 5700000 };
    const double line = head[0] + 1850 * std::sqrt(3.0) / 2.0;
    const std::string text = "{\"name\":\"Betreiber\",\"leases\":[{\"name\":\"Erlaubnisfeld\","
                             "\"minDistance\":50,\"polygon\":[[499000,5699000],["
        + json(line) + ",5699000],[" + json(line) + ",5701000],[499000,5701000]]}]}";
    const clr::RuleSet rules = rulesOf(text.c_str());
    const geo::Placement placed { Wellhead { head[0], head[1] }, 0.0, std::nullopt };
    const std::vector<clr::RuleFinding> found = clr::checkRules(rules, path, {}, placed);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].breach, clr::RuleBreach::LeaseCrossed);
    EXPECT_EQ(found[0].rule, "Erlaubnisfeld");
    EXPECT_NEAR(found[0].values.at(0), 1850.0, 1e-6);
    EXPECT_TRUE(clr::anyStop(found));
    EXPECT_NE(clr::text(found[0]).find("1850.00"), std::string::npos) << clr::text(found[0]);

    // Shortened to 1800 m it stays inside, 50 sin 60° = 43.3 m from the line: too near.
    const std::vector<clr::RuleFinding> near
        = clr::checkRules(rules, straight(60, 90, 1800), {}, placed);
    ASSERT_EQ(near.size(), 1u);
    EXPECT_EQ(near[0].breach, clr::RuleBreach::LeaseNear);
    EXPECT_NEAR(near[0].values.at(0), 50 * std::sqrt(3.0) / 2.0, 1e-6);
    EXPECT_EQ(near[0].values.at(1), 1800);
    EXPECT_FALSE(clr::anyStop(near));

    // A grid turned by 90°: the hole runs north in the grid and leaves by the north line
    // at 1000 m north of the wellhead, 1000 / sin 60° along it.
    const std::vector<clr::RuleFinding> turned
        = clr::checkRules(rules, path, {}, { Wellhead { head[0], head[1] }, -90.0, std::nullopt });
    ASSERT_FALSE(turned.empty());
    EXPECT_EQ(turned[0].breach, clr::RuleBreach::LeaseCrossed);
    EXPECT_NEAR(turned[0].values.at(0), 1000 / (std::sqrt(3.0) / 2.0), 1e-6);

    // Without a wellhead the lease lines cannot be placed: said, not passed.
    const auto unplaced = clr::checkRules(rules, path, {}, {});
    ASSERT_EQ(unplaced.size(), 1u);
    EXPECT_EQ(unplaced[0].breach, clr::RuleBreach::LeaseUnplaced);
}

TEST(Rules, EachNeighbourIsGradedByTheStrictestLevelItFallsUnder)
{
    const clr::RuleSet rules = rulesOf(R"({"name":"Betreiber","levels":[
        {"name":"Hinweis","below":2.0,"colour":"#e0c000","action":"inform"},
        {"name":"Stopp","below":1.0,"colour":"#d00000","action":"stop"},
        {"name":"Vorsicht","below":1.5,"colour":"#ff8000","action":"caution"}],
        "shallow":{"toTvd":300,"minDistance":5}})");
    clr::Well reference = vertical("R", 0);
    std::vector<clr::Well> offsets;
    for (double east : { 2.5, 6.0, 9.0, 12.0, 16.0, 20.0, 30.0, 400.0 }) {
        // Appended, not "O" + …: GCC 12 at -O3 warns of an overlapping copy there.
        std::string name = "O";
        name += std::to_string(static_cast<int>(east));
        offsets.push_back(vertical(name, east));
    }
    const clr::Scan scan = clr::scan(reference, offsets);
    const std::vector<clr::RuleFinding> found = clr::checkRules(rules, reference.path, scan, {});
    int graded = 0, stops = 0;
    for (const clr::OffsetScan &os : scan.offsets) {
        const double factor = *os.lowestSeparation->separationFactor;
        const auto it = std::find_if(found.begin(), found.end(), [&](const clr::RuleFinding &f) {
            return f.breach == clr::RuleBreach::Level && f.well == os.name;
        });
        if (factor >= 2.0) {
            EXPECT_EQ(it, found.end()) << os.name << " " << factor;
            continue;
        }
        ASSERT_NE(it, found.end()) << os.name << " " << factor;
        ++graded;
        const char *expected = factor < 1.0 ? "Stopp" : factor < 1.5 ? "Vorsicht" : "Hinweis";
        EXPECT_EQ(it->rule, expected) << os.name << " " << factor;
        EXPECT_EQ(it->values.at(0), factor);
        stops += it->action == clr::LevelAction::Stop;
        EXPECT_NE(clr::text(*it).find(expected), std::string::npos);
    }
    EXPECT_GE(graded, 5);
    EXPECT_GE(stops, 1);
    // The pad's neighbour 2.5 m away is nearer than the 5 m asked down to 300 m.
    const auto shallow = std::find_if(found.begin(), found.end(),
        [](const clr::RuleFinding &f) { return f.breach == clr::RuleBreach::Shallow; });
    ASSERT_NE(shallow, found.end());
    EXPECT_EQ(shallow->well, "O2");
    EXPECT_NEAR(shallow->values.at(0), 2.5, 1e-9);
    EXPECT_EQ(std::count_if(found.begin(), found.end(),
                  [](const clr::RuleFinding &f) { return f.breach == clr::RuleBreach::Shallow; }),
        1);
}

TEST(Rules, AFaultyRuleFileIsRefusedNamingTheMember)
{
    clr::RuleSet r;
    std::string fault;
    EXPECT_FALSE(clr::readRuleSet(R"({"levels":[{"name":"x","below":1,"action":"halt"}]})", r, fault));
    EXPECT_NE(fault.find("levels[0].action"), std::string::npos) << fault;
    EXPECT_FALSE(clr::readRuleSet(R"({"leases":[{"name":"x","polygon":[[0,0],[1,1]]}]})", r, fault));
    EXPECT_NE(fault.find("leases[0].polygon"), std::string::npos) << fault;
    EXPECT_FALSE(clr::readRuleSet(R"({"levels":[{"name":"x"}]})", r, fault));
    EXPECT_NE(fault.find("levels[0].below"), std::string::npos) << fault;
    EXPECT_FALSE(clr::readRuleSet("[1,2]", r, fault));
}
