// The error model's members of the stored settings: their exact text, that defaults add
// nothing (so documents without a model keep their bytes), the limits at their edges, and
// refusals that name the member and leave the target as it was.
#include "well/settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

WellSettings withModel()
{
    WellSettings s;
    s.declination = -4;
    UncertaintySettings &u = s.uncertainty;
    u.model = ErrorModel::IscwsaMwdRev5;
    u.latitude = -33.5;
    u.gravity = 9.81;
    u.totalField = 48123.5;
    u.dip = -61.25;
    u.ellipseSigma = 2.5;
    return s;
}

TEST(UncertaintySettingsJson, ExactTextAndBack)
{
    const std::string json = settingsToJson(withModel());
    EXPECT_EQ(json,
        R"({"declination":-4.0,"errorModel":"iscwsa-mwd-rev5","latitude":-33.5,"gravity":9.81,)"
        R"("magField":48123.5,"magDip":-61.25,"ellipseSigma":2.5})");
    WellSettings back;
    std::string fault;
    ASSERT_TRUE(settingsFromJson(json, back, &fault)) << fault;
    EXPECT_EQ(back, withModel());

    WellSettings rev4;
    rev4.uncertainty.model = ErrorModel::IscwsaMwdRev4;
    EXPECT_EQ(settingsToJson(rev4), R"({"errorModel":"iscwsa-mwd-rev4"})");
}

TEST(UncertaintySettingsJson, DefaultsAddNothing)
{
    WellSettings s;
    s.elevation = 12.5;
    s.uncertainty.gravity = 9.80665;
    s.uncertainty.ellipseSigma = 2;
    EXPECT_EQ(settingsToJson(s), R"({"elevation":12.5})");
    EXPECT_TRUE(WellSettings {}.empty());
    WellSettings read;
    ASSERT_TRUE(
        settingsFromJson(R"({"errorModel":"none","gravity":9.80665,"ellipseSigma":2})", read));
    EXPECT_TRUE(read.empty()) << "read, and not written again";
}

TEST(UncertaintySettingsJson, LimitsAtTheirEdges)
{
    for (const char *json : { R"({"latitude":90,"magDip":-90})", R"({"latitude":-90,"magDip":90})",
             R"({"gravity":9,"magField":10000,"ellipseSigma":10})",
             R"({"gravity":10.5,"magField":100000,"ellipseSigma":0.001})" }) {
        WellSettings s;
        std::string fault;
        EXPECT_TRUE(settingsFromJson(json, s, &fault)) << json << ": " << fault;
    }
}

struct Refusal
{
    const char *json;
    const char *member;
};

class RefusedMember : public testing::TestWithParam<Refusal>
{
};

TEST_P(RefusedMember, NamedAndNothingChanged)
{
    WellSettings target = withModel();
    std::string fault;
    EXPECT_FALSE(settingsFromJson(GetParam().json, target, &fault));
    EXPECT_EQ(target, withModel());
    std::string quoted = "\"";
    quoted += GetParam().member;
    quoted += '"';
    EXPECT_NE(fault.find(quoted), std::string::npos) << fault;
}

INSTANTIATE_TEST_SUITE_P(Members, RefusedMember,
    testing::Values(Refusal { R"({"errorModel":"iscwsa-mwd-rev6"})", "errorModel" },
        Refusal { R"({"errorModel":5})", "errorModel" },
        Refusal { R"({"latitude":90.5})", "latitude" },
        Refusal { R"({"latitude":"60"})", "latitude" }, Refusal { R"({"gravity":0})", "gravity" },
        Refusal { R"({"gravity":980.665})", "gravity" }, // gal
        Refusal { R"({"magField":50})", "magField" }, // µT
        Refusal { R"({"magField":-50000})", "magField" },
        Refusal { R"({"magDip":-90.01})", "magDip" },
        Refusal { R"({"ellipseSigma":0})", "ellipseSigma" },
        Refusal { R"({"ellipseSigma":12})", "ellipseSigma" },
        Refusal { R"({"ellipseSigma":null})", "ellipseSigma" },
        Refusal { R"({"field":["feld.sqlite"]})", "field" },
        Refusal { R"({"field":{"wellbore":"F/S/A"}})", "field.location" },
        Refusal { R"({"field":{"location":""}})", "field.location" },
        Refusal { R"({"field":{"location":"f.sqlite","radius":0.5}})", "field.radius" }));

} // namespace
