// The clearance layer's settings on their own, without the well: this test links only
// dravon_clearance_settings, so that neither its values nor its part of the JSON form
// can come to need the well's library. The check of the offsets together (names, parents
// and the well's own name), and the layer's members read and written alone.
#include "clearance/settings.h"
#include "clearance/settingsjson.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

OffsetWell plain(const std::string &name, double east)
{
    OffsetWell o;
    o.name = name;
    o.slotEast = east;
    o.stations = { { 0, 0, 0 }, { 500, 2.5, 45 }, { 1000, 10, 47.25 } };
    return o;
}

TEST(OffsetsTogether, NamesParentsAndTheWellsOwnName)
{
    std::vector<OffsetWell> offsets = { plain("A", 10), plain("B", 20) };
    std::string fault;
    EXPECT_TRUE(offsetsValid(offsets, "Bezug", &fault)) << fault;
    EXPECT_FALSE(offsetsValid(offsets, "B", &fault));
    EXPECT_NE(fault.find("\"B\""), std::string::npos) << fault;
    // Sidetracks of sidetracks and of the well itself are fine, a parent nobody has too
    // (the scan says so); only a ring is refused.
    offsets[1].parent = "A";
    offsets.push_back(plain("C", 0));
    offsets[2].parent = "B";
    offsets.push_back(plain("D", 0));
    offsets[3].parent = "Bezug";
    offsets.push_back(plain("E", 0));
    offsets[4].parent = "somewhere";
    EXPECT_TRUE(offsetsValid(offsets, "Bezug", &fault)) << fault;
    offsets[0].parent = "C";
    EXPECT_FALSE(offsetsValid(offsets, "Bezug", &fault));
    offsets[0].parent = "A";
    EXPECT_FALSE(offsetsValid(offsets, "Bezug", &fault));
    offsets[0].parent.clear();
    offsets[3].stations.clear();
    EXPECT_FALSE(offsetsValid(offsets, "Bezug", &fault));
    EXPECT_NE(fault.find("\"D\""), std::string::npos) << fault;
}

// The rule and an offset with a model of its own, written by the layer alone, are the
// members the well's stored form holds, and read back; the well's own members are not
// the layer's to keep.
TEST(ClearanceSettingsJson, TheLayersMembersAlone)
{
    ClearanceSettings rule;
    rule.surfaceMargin = 0.75;
    OffsetWell o = plain("A", 10);
    o.stations.resize(2);
    UncertaintySettings own;
    own.model = ErrorModel::IscwsaMwdRev4;
    own.dip = 66.5;
    o.uncertainty = own;
    settingsjson::Json j = settingsjson::Json::object();
    settingsjson::writeClearanceRule(j, rule);
    settingsjson::writeOffsets(j, { o });
    EXPECT_EQ(j.dump(),
        R"({"surfaceMargin":0.75,"offsets":[{"name":"A","north":0.0,"east":10.0,)"
        R"("errorModel":{"model":"iscwsa-mwd-rev4","magDip":66.5},)"
        R"("stations":[[0.0,0.0,0.0],[500.0,2.5,45.0]]}]})");

    j["elevation"] = 12.5;
    settingsjson::Reader in(j);
    ClearanceSettings ruleBack;
    std::vector<OffsetWell> back;
    ASSERT_TRUE(
        settingsjson::readClearanceRule(in, ruleBack) && settingsjson::readOffsets(in, back))
        << in.fault;
    EXPECT_EQ(ruleBack, rule);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0], o);
}

TEST(ClearanceSettingsJson, AFieldLinkKeepsWhatItNamesAndNoMore)
{
    for (const FieldLink &link : { FieldLink { "../feld.sqlite", "Feld/Pad Süd/A-1", 750.0 },
             FieldLink { "postgresql://team@db.example/feld", {}, std::nullopt } }) {
        settingsjson::Json j = settingsjson::Json::object();
        settingsjson::writeFieldLink(j, link);
        // What is unset is not written.
        EXPECT_EQ(j["field"].contains("radius"), link.radius.has_value()) << j.dump();
        EXPECT_EQ(j["field"].contains("wellbore"), !link.wellbore.empty()) << j.dump();
        settingsjson::Reader in(j);
        std::optional<FieldLink> back;
        ASSERT_TRUE(settingsjson::readFieldLink(in, back)) << in.fault;
        EXPECT_EQ(back, link);
    }
    settingsjson::Json none = settingsjson::Json::object();
    settingsjson::writeFieldLink(none, std::nullopt);
    EXPECT_TRUE(none.empty());
    settingsjson::Reader in(none);
    std::optional<FieldLink> back;
    EXPECT_TRUE(settingsjson::readFieldLink(in, back));
    EXPECT_FALSE(back);
}

} // namespace
