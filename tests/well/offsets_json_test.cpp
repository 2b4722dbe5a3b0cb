// The offset wells and the clearance rule in the stored settings: their exact text, that
// defaults and a document without offsets add nothing, that stations of any value read
// back to the bit, refusals that name the member and leave the target as it was, and
// members of a later version kept. The check of the offsets together (offsetsValid) is
// the clearance layer's: tests/clearance/settings_test.cpp.
#include "well/settings.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>

namespace {

OffsetWell plain(const std::string &name, double east)
{
    OffsetWell o;
    o.name = name;
    o.slotEast = east;
    o.stations = { { 0, 0, 0 }, { 500, 2.5, 45 }, { 1000, 10, 47.25 } };
    return o;
}

TEST(OffsetsJson, ExactTextAndBack)
{
    WellSettings s;
    s.elevation = 100;
    OffsetWell a = plain("A", 100);
    a.holeDiameter = 0.6096;
    a.elevation = 95.5;
    OffsetWell b;
    b.name = "B";
    b.wellhead = Wellhead { 500100, 5700000 };
    b.stations = { { 0, 0, 0 }, { 100, 1, 90 } };
    UncertaintySettings own;
    own.model = ErrorModel::IscwsaMwdRev4;
    own.totalField = 50000;
    own.dip = 70;
    b.uncertainty = own;
    OffsetWell c = plain("C", 0);
    c.slotEast = 0;
    c.parent = "A";
    c.kickOffMd = 600;
    UncertaintySettings none;
    c.uncertainty = none;
    s.offsets = { a, b, c };
    s.clearance.holeDiameter = 0.9144;
    s.clearance.warningFactor = 2;

    const std::string json = settingsToJson(s);
    EXPECT_EQ(json,
        R"({"elevation":100.0,"holeDiameter":0.9144,"warningFactor":2.0,"offsets":[)"
        R"({"name":"A","north":0.0,"east":100.0,"elevation":95.5,"holeDiameter":0.6096,)"
        R"("stations":[[0.0,0.0,0.0],[500.0,2.5,45.0],[1000.0,10.0,47.25]]},)"
        R"({"name":"B","easting":500100.0,"northing":5700000.0,)"
        R"("errorModel":{"model":"iscwsa-mwd-rev4","magField":50000.0,"magDip":70.0},)"
        R"("stations":[[0.0,0.0,0.0],[100.0,1.0,90.0]]},)"
        R"({"name":"C","north":0.0,"east":0.0,"errorModel":{"model":"none"},"parent":"A",)"
        R"("kickOffMd":600.0,"stations":[[0.0,0.0,0.0],[500.0,2.5,45.0],[1000.0,10.0,47.25]]}]})");
    WellSettings back;
    std::string fault;
    ASSERT_TRUE(settingsFromJson(json, back, &fault)) << fault;
    EXPECT_EQ(back, s);
    EXPECT_EQ(settingsToJson(back), json);
}

TEST(OffsetsJson, TheRuleAtItsDefaultsAndNoOffsetsAddNothing)
{
    WellSettings s;
    s.elevation = 12.5;
    s.clearance = ClearanceSettings {};
    EXPECT_EQ(settingsToJson(s), R"({"elevation":12.5})");
    EXPECT_TRUE(WellSettings {}.empty());
    WellSettings read;
    ASSERT_TRUE(settingsFromJson(R"({"surfaceMargin":0.3,"projectAhead":0.5,"scalingFactor":3.5,)"
                                 R"("warningFactor":1.5,"holeDiameter":0,"offsets":[]})",
        read));
    EXPECT_TRUE(read.empty()) << "read, and not written again";
}

// Any double the stations can hold comes back with the same bits: what is stored is
// what the scan computed with.
TEST(OffsetsJson, StationsReadBackToTheBit)
{
    std::mt19937_64 random(20240611);
    // Steps that single precision, in which the check compares depths, still tells apart.
    std::uniform_real_distribution<double> step(0.05, 80), inc(0, 180), azi(0, 360);
    WellSettings s;
    s.offsets.push_back(plain("random", 3.141592653589793));
    OffsetWell &o = s.offsets.back();
    o.stations.clear();
    double md = 0;
    for (int i = 0; i < 2000; ++i) {
        o.stations.push_back({ md, inc(random), azi(random) });
        md += step(random);
    }
    o.stations[1].inclination = 180; // the limits themselves
    o.stations[2].azimuth = 360;
    o.stations[3].inclination = 5e-324; // the smallest double
    WellSettings back;
    std::string fault;
    ASSERT_TRUE(settingsFromJson(settingsToJson(s), back, &fault)) << fault;
    ASSERT_EQ(back.offsets.size(), 1u);
    ASSERT_EQ(back.offsets[0].stations.size(), o.stations.size());
    for (std::size_t i = 0; i < o.stations.size(); ++i) {
        const well::Station &a = o.stations[i], &b = back.offsets[0].stations[i];
        EXPECT_EQ(std::bit_cast<std::uint64_t>(a.md), std::bit_cast<std::uint64_t>(b.md)) << i;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(a.inclination),
            std::bit_cast<std::uint64_t>(b.inclination))
            << i;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(a.azimuth), std::bit_cast<std::uint64_t>(b.azimuth))
            << i;
    }
}

TEST(OffsetsJson, MembersOfALaterVersionAreKeptInTheirOffset)
{
    const std::string json = R"({"offsets":[{"name":"A","north":1.0,"east":2.0,)"
                             R"("stations":[[0.0,0.0,0.0]],"casing":{"od":0.3}}],"future":1})";
    WellSettings s;
    std::string fault;
    ASSERT_TRUE(settingsFromJson(json, s, &fault)) << fault;
    EXPECT_EQ(s.offsets.at(0).otherMembers, R"({"casing":{"od":0.3}})");
    EXPECT_EQ(settingsToJson(s), json);
}

struct Refusal
{
    const char *json;
    const char *member; // as the fault names it
};

class RefusedOffsetMember : public testing::TestWithParam<Refusal>
{
};

TEST_P(RefusedOffsetMember, NamedAndNothingChanged)
{
    WellSettings target;
    target.offsets = { plain("kept", 5) };
    const WellSettings before = target;
    std::string fault;
    EXPECT_FALSE(settingsFromJson(GetParam().json, target, &fault)) << GetParam().json;
    EXPECT_EQ(target, before);
    EXPECT_NE(fault.find(GetParam().member), std::string::npos) << fault;
}

#define STATIONS R"("stations":[[0,0,0],[10,1,2]])"

INSTANTIATE_TEST_SUITE_P(Members, RefusedOffsetMember,
    testing::Values(Refusal { R"({"offsets":{}})", "\"offsets\"" },
        Refusal { R"({"offsets":[5]})", "\"offsets[0]\"" },
        Refusal { R"({"offsets":[{"north":0,"east":0,)" STATIONS "}]}", "\"offsets[0].name\"" },
        Refusal {
            R"({"offsets":[{"name":"","north":0,"east":0,)" STATIONS "}]}", "\"offsets[0].name\"" },
        Refusal { R"({"offsets":[{"name":"A","north":0,"east":0}]})", "\"offsets[0].stations\"" },
        Refusal { R"({"offsets":[{"name":"A","stations":[[0,0,0],[10,181,2]]}]})",
            "\"offsets[0].stations[1]\"" },
        Refusal { R"({"offsets":[{"name":"A","stations":[[0,0,0],[10,1,360.5]]}]})",
            "\"offsets[0].stations[1]\"" },
        Refusal {
            R"({"offsets":[{"name":"A","stations":[[-1,0,0]]}]})", "\"offsets[0].stations[0]\"" },
        Refusal { R"({"offsets":[{"name":"A","stations":[[0,0,0],[10,1]]}]})",
            "\"offsets[0].stations[1]\"" },
        // 10 and 10.0000001 are one depth in the check's single precision.
        Refusal { R"({"offsets":[{"name":"A","stations":[[0,0,0],[10,1,2],[10.0000001,1,2]]}]})",
            "\"offsets[0].stations[2]\"" },
        Refusal { R"({"offsets":[{"name":"A","kickOffMd":5,)" STATIONS "}]}",
            "\"offsets[0].kickOffMd\"" },
        Refusal {
            R"({"offsets":[{"name":"A","parent":"X",)" STATIONS "}]}", "\"offsets[0].kickOffMd\"" },
        Refusal { R"({"offsets":[{"name":"A","parent":"X","kickOffMd":-1,)" STATIONS "}]}",
            "\"offsets[0].kickOffMd\"" },
        Refusal {
            R"({"offsets":[{"name":"A","easting":5,)" STATIONS "}]}", "\"offsets[0].easting\"" },
        Refusal { R"({"offsets":[{"name":"A","easting":5,"northing":6,"north":1,)" STATIONS "}]}",
            "\"offsets[0].north\"" },
        Refusal { R"({"offsets":[{"name":"A","holeDiameter":6,)" STATIONS "}]}",
            "\"offsets[0].holeDiameter\"" },
        Refusal { R"({"offsets":[{"name":"A","errorModel":"iscwsa-mwd-rev4",)" STATIONS "}]}",
            "\"offsets[0].errorModel\"" },
        Refusal { R"({"offsets":[{"name":"A","errorModel":{"magField":50000},)" STATIONS "}]}",
            "\"offsets[0].errorModel.model\"" },
        Refusal { R"({"offsets":[{"name":"A","errorModel":{"model":"x"},)" STATIONS "}]}",
            "\"offsets[0].errorModel.model\"" },
        Refusal { R"({"offsets":[{"name":"A","errorModel":{"model":"none","magDip":91},)" STATIONS
                  "}]}",
            "\"offsets[0].errorModel.magDip\"" },
        Refusal { R"({"holeDiameter":-0.1})", "\"holeDiameter\"" },
        Refusal { R"({"surfaceMargin":101})", "\"surfaceMargin\"" },
        Refusal { R"({"projectAhead":"0.5"})", "\"projectAhead\"" },
        Refusal { R"({"scalingFactor":0})", "\"scalingFactor\"" },
        Refusal { R"({"warningFactor":-1.5})", "\"warningFactor\"" },
        // Together: a name twice, a ring of sidetracks.
        Refusal { R"({"offsets":[{"name":"A",)" STATIONS "},{\"name\":\"A\"," STATIONS "}]}",
            "Nachbarbohrung \"A\": der Name ist doppelt" },
        Refusal { R"({"offsets":[{"name":"A","parent":"B","kickOffMd":5,)" STATIONS
                  "},{\"name\":\"B\",\"parent\":\"A\",\"kickOffMd\":5," STATIONS "}]}",
            "Seitenast ihrer selbst" }));

} // namespace
