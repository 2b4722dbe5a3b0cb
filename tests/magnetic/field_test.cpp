// The magnetic field against the values the models' publishers print for them: the
// WMM2025, WMM2020 and WMM2015v2 test values of NOAA NCEI and BGS, and the IGRF-14 check
// values of the IGRF's own synthesis program. Then what must hold whatever the model:
// the angles agree with the components, the models meet at their seams, and a place or
// date outside them is refused with a message.
#include "magnetic/coefficients.h"
#include "magnetic/decimalyear.h"
#include "magnetic/field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace {

using magnetic::fieldAt;

// Calls `check` with each line of a file of tests/data/magnetic/ but its comments, the
// line named in every failure; the number of lines.
template <typename Check> int eachLine(const std::string &name, Check check)
{
    const char *data = std::getenv("DRAVON_TEST_DATA");
    std::ifstream file(std::string(data ? data : ".") + "/magnetic/" + name);
    EXPECT_TRUE(file) << name;
    int count = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        SCOPED_TRACE(line);
        std::istringstream in(line);
        check(in);
        ++count;
    }
    return count;
}

TEST(MagneticField, TheWorldMagneticModelsMatchTheirPublishedTestValues)
{
    // The tables print nT to 0.1 and degrees to 0.01: within half of that the program's
    // value rounds to the published one (asked of it are 1 nT and 0.01°).
    const int count = eachLine("wmm_test_values.txt", [](std::istringstream &in) {
        std::string model;
        double year, heightKm, latitude, longitude, north, east, down, inclination, declination;
        ASSERT_TRUE(in >> model >> year >> heightKm >> latitude >> longitude >> north >> east
            >> down >> inclination >> declination);
        const auto result = fieldAt(latitude, longitude, heightKm * 1000.0, year);
        ASSERT_TRUE(result) << result.error;
        const magnetic::Field &f = *result.field;
        EXPECT_EQ(f.model, model);
        EXPECT_NEAR(f.northNt, north, 0.05);
        EXPECT_NEAR(f.eastNt, east, 0.05);
        EXPECT_NEAR(f.downNt, down, 0.05);
        EXPECT_NEAR(f.inclinationDeg, inclination, 0.0051);
        EXPECT_NEAR(f.declinationDeg, declination, 0.0051);
    });
    // The report's 12, NCEI's 100 (heights up to 98 km, latitudes up to 89°), 4 and 4.
    EXPECT_EQ(count, 120);
}

TEST(MagneticField, Igrf14MatchesTheChecksOfItsOwnSynthesisProgram)
{
    const magnetic::Model &igrf = magnetic::shippedModels().back();
    ASSERT_EQ(igrf.name, "IGRF-14");
    const int count = eachLine("igrf14_check_values.txt", [&igrf](std::istringstream &in) {
        double year, colatitude, longitude, radiusKm, north, east, down;
        ASSERT_TRUE(in >> year >> colatitude >> longitude >> radiusKm >> north >> east >> down);
        const auto b
            = magnetic::geocentricField(igrf, year, radiusKm * 1000, colatitude, longitude);
        // Printed to 0.01 nT; the check program's own arithmetic leaves up to about that.
        EXPECT_NEAR(b.north, north, 0.01);
        EXPECT_NEAR(b.east, east, 0.01);
        EXPECT_NEAR(b.down, down, 0.01);
    });
    EXPECT_EQ(count, 10);
}

TEST(MagneticField, Igrf14IsInterpolatedBetweenItsEpochs)
{
    // Each coefficient runs on a straight line between two epochs, and the field, linear
    // in the coefficients, with it: the midpoint's field is the mean of the epochs'.
    const magnetic::Model &igrf = magnetic::shippedModels().back();
    for (const double first : { 1900.0, 1955.0, 1995.0, 2010.0 }) {
        const auto a = magnetic::geodeticField(igrf, first, 48.1, 11.6, 500);
        const auto b = magnetic::geodeticField(igrf, first + 5, 48.1, 11.6, 500);
        const auto mid = magnetic::geodeticField(igrf, first + 2.5, 48.1, 11.6, 500);
        EXPECT_NEAR(mid.north, (a.north + b.north) / 2, 1e-6) << first;
        EXPECT_NEAR(mid.east, (a.east + b.east) / 2, 1e-6) << first;
        EXPECT_NEAR(mid.down, (a.down + b.down) / 2, 1e-6) << first;
    }
}

TEST(MagneticField, TheAnglesAndIntensitiesAgreeWithTheComponents)
{
    // Everywhere, at every height and for every model: H² = X² + Y², F² = H² + Z²,
    // H sin D = Y, H cos D = X, H tan I = Z.
    constexpr double degree = std::numbers::pi / 180;
    for (const double year : { 1903.3, 1987.0, 2016.2, 2021.7, 2029.9 }) {
        for (double latitude = -89.5; latitude <= 89.5; latitude += 29.75) {
            for (double longitude = -180; longitude < 180; longitude += 47) {
                for (const double height : { -12000.0, 0.0, 35000.0 }) {
                    const auto r = fieldAt(latitude, longitude, height, year);
                    ASSERT_TRUE(r) << r.error;
                    const auto &f = *r.field;
                    const double h = f.horizontalNt;
                    EXPECT_NEAR(h, std::hypot(f.northNt, f.eastNt), 1e-6);
                    EXPECT_NEAR(f.totalNt, std::hypot(h, f.downNt), 1e-6);
                    EXPECT_NEAR(std::sin(f.declinationDeg * degree) * h, f.eastNt, 1e-6);
                    EXPECT_NEAR(std::cos(f.declinationDeg * degree) * h, f.northNt, 1e-6);
                    EXPECT_NEAR(
                        std::tan(f.inclinationDeg * degree) * h, f.downNt, 1e-6 * f.totalNt);
                    // The main field at the Earth lies between about 20 000 and 70 000 nT.
                    EXPECT_GT(f.totalNt, 20000);
                    EXPECT_LT(f.totalNt, 75000);
                }
            }
        }
    }
}

TEST(MagneticField, EachModelHasItsYearsAndTheyMeetAtTheirSeams)
{
    const std::pair<double, const char *> years[]
        = { { 1900.0, "IGRF-14" }, { 2014.999, "IGRF-14" }, { 2015.0, "WMM2015v2" },
              { 2019.999, "WMM2015v2" }, { 2020.0, "WMM2020" }, { 2024.999, "WMM2020" },
              { 2025.0, "WMM2025" }, { 2030.0, "WMM2025" } };
    for (const auto &[year, name] : years) {
        const auto r = fieldAt(51.45, 9.0, 250, year);
        ASSERT_TRUE(r) << year << ": " << r.error;
        EXPECT_EQ(r.field->model, name) << year;
    }
    // Successive models describe the same field: at a seam the older one's last moment
    // and the newer one's first differ by the models' own uncertainty, not by a jump of
    // degrees (the WMM's declination error is about 0.3° at mid-latitudes).
    for (const double seam : { 2015.0, 2020.0, 2025.0 }) {
        const auto before = fieldAt(51.45, 9.0, 250, seam - 1e-6);
        const auto after = fieldAt(51.45, 9.0, 250, seam);
        ASSERT_TRUE(before && after);
        EXPECT_NE(before.field->model, after.field->model);
        EXPECT_NEAR(before.field->declinationDeg, after.field->declinationDeg, 0.3) << seam;
        EXPECT_NEAR(before.field->inclinationDeg, after.field->inclinationDeg, 0.2) << seam;
        EXPECT_NEAR(before.field->totalNt, after.field->totalNt, 150) << seam;
    }
}

TEST(MagneticField, APlaceOrDateOutsideTheModelsIsRefusedWithItsReason)
{
    const auto expectRefused
        = [](double lat, double lon, double h, double year, const std::string &part) {
              const auto r = fieldAt(lat, lon, h, year);
              EXPECT_FALSE(r) << lat << " " << lon << " " << h << " " << year;
              EXPECT_NE(r.error.find(part), std::string::npos) << r.error;
          };
    expectRefused(51, 9, 0, 1899.999, "Für das Jahr 1899.999 gibt es kein Modell");
    expectRefused(51, 9, 0, 2030.001, "die Modelle reichen von 1900.0 bis 2030.0");
    expectRefused(51, 9, 0, std::nan(""), "kein Modell");
    expectRefused(90.0001, 9, 0, 2025, "Die Breite 90.0001° liegt nicht zwischen -90° und 90°");
    expectRefused(51, 361, 0, 2025, "Die Länge 361°");
    expectRefused(51, 9, -15001, 2025, "Die Höhe -15001 m über dem Ellipsoid");
    expectRefused(51, 9, 1e6 + 1, 2025, "zwischen -15000 m und 1000000 m");
    expectRefused(51, 9, std::nan(""), 2025, "Die Höhe nan m");
    // The ends themselves are inside, and a longitude a turn further is the same place.
    EXPECT_TRUE(fieldAt(90, 0, -15000, 1900.0));
    EXPECT_TRUE(fieldAt(-90, -360, 1e6, 2030.0));
    const auto west = fieldAt(-33, -120, 0, 2027.25), east = fieldAt(-33, 240, 0, 2027.25);
    ASSERT_TRUE(west && east);
    EXPECT_NEAR(west.field->declinationDeg, east.field->declinationDeg, 1e-9);
}

TEST(MagneticDate, DaysAreReadAsTheWmmCountsThem)
{
    // The days before this one over the days of the year; 2000 is a leap year, 1900 not.
    std::string error;
    EXPECT_EQ(magnetic::parseDate("2025-01-01", error), 2025.0);
    EXPECT_DOUBLE_EQ(*magnetic::parseDate("2025-07-02", error), 2025.0 + 182.0 / 365);
    EXPECT_DOUBLE_EQ(*magnetic::parseDate("2000-02-29", error), 2000.0 + 59.0 / 366);
    EXPECT_DOUBLE_EQ(*magnetic::parseDate(" 2027.5 ", error), 2027.5);
    EXPECT_TRUE(error.empty()) << error;
    for (const char *bad : { "", "1900-02-29", "2025-04-31", "2025-13-01", "2025-7-2", "02.07.2025",
             "2025,5", "nan", "inf", "2025-07-02x", "-" }) {
        error.clear();
        EXPECT_FALSE(magnetic::parseDate(bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    magnetic::parseDate("2025-02-29", error);
    EXPECT_EQ(error, "Den Tag 2025-02-29 gibt es im Kalender nicht.");
}

} // namespace
