// The survey date and the geomagnetic model's record in the stored settings: the exact
// text beside the other members, the way back, settings without a date that keep their
// text, and refusals that name the member and change nothing. The calendar is checked
// against the count of days in a year, independently of how the dates are read.
#include "well/settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

WellSettings dated()
{
    WellSettings s;
    s.north = NorthReference::Magnetic;
    s.surveyDate = CalendarDate { 2025, 3, 4 };
    s.magneticModel = MagneticModelRecord { "WMM2025", 2.75, 66.5, 49321.25 };
    return s;
}

TEST(SurveyDateJson, ExactTextAndBack)
{
    const std::string json = settingsToJson(dated());
    EXPECT_EQ(json,
        R"({"north":"magnetic","surveyDate":"2025-03-04","magneticModel":{"name":"WMM2025",)"
        R"("declination":2.75,"dip":66.5,"totalField":49321.25}})");
    WellSettings back;
    std::string fault;
    ASSERT_TRUE(settingsFromJson(json, back, &fault)) << fault;
    EXPECT_EQ(back, dated());

    // Without a date the settings are written as before, and read back without one.
    WellSettings undated = dated();
    undated.surveyDate.reset();
    undated.magneticModel.reset();
    EXPECT_EQ(settingsToJson(undated), R"({"north":"magnetic"})");
    ASSERT_TRUE(settingsFromJson(R"({"north":"magnetic"})", back, &fault)) << fault;
    EXPECT_EQ(back, undated);
    EXPECT_FALSE(back.surveyDate);
    EXPECT_TRUE(WellSettings {}.empty());
    EXPECT_FALSE(dated().empty());
}

TEST(SurveyDateJson, EveryDayOfTheCalendarAndNoOther)
{
    // A leap year has 366 days, a common one 365; centuries are leap years only every
    // fourth time.
    const std::pair<int, int> years[]
        = { { 2024, 366 }, { 2025, 365 }, { 1900, 365 }, { 2000, 366 }, { 1, 365 }, { 9999, 365 } };
    for (const auto &[year, days] : years) {
        int valid = 0;
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                char text[16];
                std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
                const std::optional<CalendarDate> read = parseIsoDate(text);
                if (!read)
                    continue;
                ++valid;
                EXPECT_EQ(*read, (CalendarDate { year, month, day })) << text;
                EXPECT_EQ(isoDate(*read), text);
            }
        }
        EXPECT_EQ(valid, days) << year;
    }
    for (const char *text : { "", "2025-3-14", "14.03.2025", "2025-03-14 ", "0000-01-01",
             "2025/03/14", "+025-03-14", "2025-03-1x", "20250314" })
        EXPECT_FALSE(parseIsoDate(text)) << text;
}

struct Refusal
{
    const char *json;
    const char *member;
};

class RefusedDateMember : public testing::TestWithParam<Refusal>
{
};

TEST_P(RefusedDateMember, NamedAndNothingChanged)
{
    WellSettings target = dated();
    std::string fault;
    EXPECT_FALSE(settingsFromJson(GetParam().json, target, &fault));
    EXPECT_EQ(target, dated());
    EXPECT_NE(fault.find(std::string("\"") + GetParam().member + '"'), std::string::npos) << fault;
}

INSTANTIATE_TEST_SUITE_P(Members, RefusedDateMember,
    testing::Values(Refusal { R"({"surveyDate":"2025-02-29"})", "surveyDate" },
        Refusal { R"({"surveyDate":"14.03.2025"})", "surveyDate" },
        Refusal { R"({"surveyDate":20250314})", "surveyDate" },
        Refusal { R"({"magneticModel":"WMM2025"})", "magneticModel" },
        Refusal { R"({"magneticModel":{"declination":1,"dip":60,"totalField":50000}})",
            "magneticModel.name" },
        Refusal { R"({"magneticModel":{"name":"WMM2025","dip":60,"totalField":50000}})",
            "magneticModel.declination" },
        Refusal {
            R"({"magneticModel":{"name":"WMM2025","declination":1,"dip":91,"totalField":5e4}})",
            "magneticModel.dip" },
        Refusal {
            R"({"magneticModel":{"name":"WMM2025","declination":1,"dip":60,"totalField":-1}})",
            "magneticModel.totalField" }));

} // namespace
