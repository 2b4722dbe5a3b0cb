// --magnetic-field as a user calls it: the field at the WMM2025 report's test points, a
// calendar date read as the WMM counts it, the model of an earlier year named, and every
// faulty request refused on standard error with the status of a bad command line.
#include "tests/cli/clitool.h"

#include <array>

namespace {

using namespace clitest;

using MagneticCli = ToolTest;

// The number after `label` in the report, read with a point whatever the test's locale.
double valueAfter(const std::string &report, const std::string &label)
{
    const std::size_t at = report.find(label);
    EXPECT_NE(at, std::string::npos) << label << " in\n" << report;
    double value = std::nan("");
    if (at != std::string::npos) {
        const std::size_t start = report.find_first_not_of(' ', at + label.size());
        std::from_chars(report.data() + start, report.data() + report.size(), value);
    }
    return value;
}

TEST_F(MagneticCli, PrintsTheFieldOfTheWmm2025ReportsTestPoints)
{
    // The report: 2025.0 at sea level, 80° N 0° E; 2027.5 at 100 km, 80° S 240° E (the
    // same as -120°), given with blanks. D, I, F, H.
    const std::pair<const char *, std::array<double, 4>> points[] = {
        { "80,0,0,2025-01-01", { 1.28, 83.21, 55178.5, 6523.2 } },
        { "' -80, -120, 100000 , 2027.5 '", { 67.93, -72.10, 51825.7, 15927.0 } },
    };
    for (const auto &[place, expected] : points) {
        const Result r = run(std::string("--magnetic-field ") + place);
        ASSERT_EQ(r.status, 0) << place << "\n" << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(r.out.starts_with("Erdmagnetfeld nach WMM2025 für 20")) << r.out;
        EXPECT_NEAR(valueAfter(r.out, "Deklination:"), expected[0], 0.005) << place;
        EXPECT_NEAR(valueAfter(r.out, "Inklination:"), expected[1], 0.005) << place;
        EXPECT_NEAR(valueAfter(r.out, "Totalintensität:"), expected[2], 0.05) << place;
        EXPECT_NEAR(valueAfter(r.out, "Horizontalintensität:"), expected[3], 0.05) << place;
    }
}

TEST_F(MagneticCli, ACalendarDateIsTheDecimalYearOfItsDay)
{
    // 2 July 2026 is day 183 of 365: 2026 + 182/365.
    const Result byDay = run("--magnetic-field 51.45,9,250,2026-07-02");
    const Result byYear = run("--magnetic-field 51.45,9,250,2026.498630137");
    ASSERT_EQ(byDay.status, 0) << byDay.err;
    EXPECT_NE(byDay.out.find(" für 2026.499 "), std::string::npos) << byDay.out;
    EXPECT_EQ(byDay.out, byYear.out);
    // Before 2015 the IGRF; an English report in its own words.
    const Result old = run("--lang en --magnetic-field 51.45,9,250,1990-05-01");
    ASSERT_EQ(old.status, 0) << old.err;
    EXPECT_TRUE(old.out.starts_with("Earth's magnetic field by IGRF-14 for 1990.329")) << old.out;
    EXPECT_FALSE(std::isnan(valueAfter(old.out, "Horizontal intensity:")));
}

TEST_F(MagneticCli, AFaultyRequestIsRefusedWithItsReason)
{
    const std::pair<const char *, const char *> faults[] = {
        { "51,9,0,1899-12-31", "--magnetic-field: Für das Jahr 1899.997 gibt es kein Modell" },
        { "91,9,0,2025", "Die Breite 91° liegt nicht zwischen -90° und 90°" },
        { "51,9,-20000,2025", "Die Höhe -20000 m über dem Ellipsoid" },
        { "51,9,0,2025-02-29", "Den Tag 2025-02-29 gibt es im Kalender nicht" },
        { "51,9,0,30.06.2025", "„30.06.2025“ ist kein Datum" },
        { "51,9,2025", "--magnetic-field erwartet Breite, Länge, Höhe" },
        { "", "--magnetic-field erwartet Breite, Länge, Höhe" },
        { "51,9,0,2025 survey.txt", "liest keine Eingabedatei" },
    };
    for (const auto &[args, message] : faults) {
        const Result r = run(std::string("--magnetic-field ") + args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_TRUE(r.err.starts_with("dravon-cli: ")) << r.err;
        EXPECT_NE(r.err.find(message), std::string::npos) << args << "\n" << r.err;
    }
    EXPECT_NE(run("--lang en --magnetic-field 51,9,0,2031")
                  .err.find("There is no model of the Earth's magnetic field for the year "
                            "2031.000: the models reach from 1900.0 to 2030.0."),
        std::string::npos);
}

} // namespace
