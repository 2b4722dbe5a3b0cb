// Numbers through both decimal signs: what is written reads back as the same double,
// zero never gets a sign, no exponent form, and the reader refuses what is not a whole
// number. The tests run under a German locale; nothing here may follow it.
#include "core/decimalsign.h"
#include "core/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

using decimalsign::Accept;
using decimalsign::Sign;

decimalsign::Accept acceptOf(Sign sign)
{
    return sign == Sign::Comma ? Accept::Comma : Accept::Point;
}

TEST(DecimalSign, WhatIsWrittenReadsBackAsTheSameDouble)
{
    // Values a listing meets, values without a short decimal form, and the extremes.
    std::vector<double> values = { 0.1 + 0.2, -(0.1 + 0.2), 1.0 / 3.0, -2.0 / 3.0, 1234.5, -0.001,
        500000.0, 1e22, -1.7976931348623157e308, 4.9406564584124654e-324, 2.2250738585072014e-308,
        100 / 0.3048, 30.48 / 30.0 };
    // And random bit patterns over the whole range of finite doubles.
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t bits = random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v))
            values.push_back(v);
    }
    for (const Sign sign : { Sign::Point, Sign::Comma }) {
        const char other = sign == Sign::Comma ? '.' : ',';
        for (const double v : values) {
            const std::string text = decimalsign::shortest(v, sign);
            SCOPED_TRACE(text);
            EXPECT_EQ(text.find_first_of(std::string("eE") + other), std::string::npos);
            const std::optional<double> back = decimalsign::read(text, acceptOf(sign));
            ASSERT_TRUE(back);
            EXPECT_EQ(*back, v); // the same double, not a near one
            EXPECT_EQ(decimalsign::read(text, Accept::Either), back);
        }
    }
}

// What a spreadsheet shows of a cell: a workbook written from single-precision values
// stores 0.76 as 0.7600000047849319 (or 0.7599999904632568) and shows 0.76.
TEST(DecimalSign, TheGeneralFormShowsWhatASpreadsheetShows)
{
    EXPECT_EQ(decimalsign::general(0.7600000047849319, Sign::Comma), "0,76");
    EXPECT_EQ(decimalsign::general(static_cast<double>(0.76f), Sign::Comma), "0,76");
    EXPECT_EQ(decimalsign::general(8.729999542236328, Sign::Point), "8.73");
    EXPECT_EQ(decimalsign::general(330.3056945800781, Sign::Point), "330.3057");
    EXPECT_EQ(decimalsign::general(-1234.5, Sign::Point), "-1234.5");
    EXPECT_EQ(decimalsign::general(5700000.125, Sign::Comma), "5700000");
    EXPECT_EQ(decimalsign::general(123456789.0, Sign::Point), "1.23e+08");
    EXPECT_EQ(decimalsign::general(1e-7, Sign::Point), "1e-07");
    EXPECT_EQ(decimalsign::general(-0.0, Sign::Point), "0");
    EXPECT_EQ(decimalsign::general(INFINITY, Sign::Point), "");

    // Depths and angles typed with up to two decimals and kept in single precision come
    // back as typed; any value is shown rounded, within half its last digit shown.
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> hundredths(-999999, 999999);
    for (int i = 0; i < 20000; ++i) {
        const int h = hundredths(random);
        std::string typed = decimalsign::fixed(h / 100.0, 2, Sign::Comma);
        typed.erase(typed.find_last_not_of('0') + 1);
        if (typed.back() == ',')
            typed.pop_back();
        const float stored = static_cast<float>(h / 100.0);
        EXPECT_EQ(decimalsign::general(stored, Sign::Comma), typed);
    }
    std::uniform_real_distribution<double> any(-1e7, 1e7);
    for (int i = 0; i < 20000; ++i) {
        const double v = any(random);
        const std::string text = decimalsign::general(v, Sign::Point);
        ASSERT_LE(text.size(), 9u) << text;
        const std::size_t point = text.find('.');
        const int decimals
            = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
        EXPECT_LE(std::abs(*decimalsign::read(text, Accept::Point) - v), 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9))
            << text << " for " << v;
    }
}

TEST(DecimalSign, TheShortestFormAndFixedDecimals)
{
    EXPECT_EQ(decimalsign::shortest(0.1 + 0.2, Sign::Point), "0.30000000000000004");
    EXPECT_EQ(decimalsign::shortest(-1234.5, Sign::Comma), "-1234,5");
    EXPECT_EQ(decimalsign::shortest(5e5, Sign::Comma), "500000");
    EXPECT_EQ(decimalsign::shortest(1e22, Sign::Point), "10000000000000000000000");
    EXPECT_EQ(decimalsign::shortest(-0.0, Sign::Point), "0");
    EXPECT_EQ(decimalsign::shortest(NAN, Sign::Point), "");

    // Rounded as a decimal number: 2.675 is stored as 2.67499999..., so it goes down.
    EXPECT_EQ(decimalsign::fixed(2.675, 2, Sign::Comma), "2,67");
    EXPECT_EQ(decimalsign::fixed(-0.004, 2, Sign::Comma), "0,00");
    EXPECT_EQ(decimalsign::fixed(-0.005001, 2, Sign::Comma), "-0,01");
    EXPECT_EQ(decimalsign::fixed(1e20, 1, Sign::Point), "100000000000000000000.0");
    EXPECT_EQ(decimalsign::fixed(-3.14159, 0, Sign::Comma), "-3");
    // A dogleg of 3°/30 m in degrees per 100 ft, as the listing writes it with three
    // decimals: 3 * 30.48 / 30.
    EXPECT_EQ(
        decimalsign::fixed(units::doglegRate(3.0, LengthUnit::Foot), 3, Sign::Comma), "3,048");
}

TEST(DecimalSign, ReadsOnlyWholeNumbersWithTheAcceptedSign)
{
    EXPECT_EQ(decimalsign::read(" 1250,5 ", Accept::Comma), 1250.5);
    EXPECT_EQ(decimalsign::read("+7", Accept::Point), 7.0);
    EXPECT_EQ(decimalsign::read("-.5", Accept::Either), -0.5);
    EXPECT_EQ(decimalsign::read("5,", Accept::Either), 5.0);
    EXPECT_EQ(decimalsign::read("1,5e3", Accept::Comma), 1500.0);
    for (const char *bad : { "", " ", "1.5", "1,5,0", "1.250,5", "inf", "nan", "0x10", "1e",
             "1e400", "-", ",", "5 m", "1 250" })
        EXPECT_FALSE(decimalsign::read(bad, Accept::Comma)) << bad;
    EXPECT_FALSE(decimalsign::read("1,5", Accept::Point));
    EXPECT_FALSE(decimalsign::read("1,5.0", Accept::Either));
}

TEST(Units, FeetAndDoglegAgainstTheirDefinitions)
{
    // 1 ft = 0.3048 m exactly, so 1250 ft = 381 m and back.
    EXPECT_EQ(units::toMetres(1250.0, LengthUnit::Foot), 381.0);
    EXPECT_DOUBLE_EQ(units::fromMetres(381.0, LengthUnit::Foot), 1250.0);
    EXPECT_EQ(units::fromMetres(381.0, LengthUnit::Metre), 381.0);
    // The same bend over 100 ft (30.48 m) as over 30 m.
    EXPECT_DOUBLE_EQ(units::doglegRate(30.0, LengthUnit::Foot), 30.48);
    EXPECT_DOUBLE_EQ(units::radians(180.0), std::atan(1.0) * 4);
    EXPECT_DOUBLE_EQ(units::degrees(units::radians(37.5)), 37.5);
    LengthUnit u = LengthUnit::Metre;
    EXPECT_TRUE(units::parseUnit("ft", u));
    EXPECT_EQ(u, LengthUnit::Foot);
    EXPECT_FALSE(units::parseUnit("Fuß", u));
    EXPECT_STREQ(units::doglegUnitName(u), "°/100 ft");
}

} // namespace
