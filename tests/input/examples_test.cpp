// The example measurement files read without a fault and compute without an abort.
#include "well/computation.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

struct Example
{
    const char *file;
    int format;
    std::string name;
    size_t stations;
    float lastDepth;
    size_t infoLines;
};

class ExampleFile : public ::testing::TestWithParam<Example>
{
protected:
    static std::string path(const char *file)
    {
        const char *dir = std::getenv("DRAVON_EXAMPLES");
        return std::string(dir ? dir : "examples") + "/" + file;
    }
};

TEST_P(ExampleFile, ReadsAndComputesWithoutAMessage)
{
    const Example &e = GetParam();
    const MeasurementFileLines file = readMeasurementFile(path(e.file));
    ASSERT_TRUE(file.opened) << path(e.file);
    const MeasurementRead read = readMeasurement(file.lines, e.format, 1, "vorher");
    ASSERT_TRUE(read.faults.empty()) << read.faults[0].message;
    EXPECT_EQ(read.name, e.name);
    EXPECT_EQ(read.stations.size(), e.stations);
    EXPECT_EQ(read.info.size(), e.infoLines);

    well::Well w;
    w.name = read.name;
    w.survey = well::surveyFromLines(read.stations);
    const well::Computation c = well::compute(w);
    EXPECT_TRUE(c.diagnostics.empty()) << well::germanText(c.diagnostics[0]);
    EXPECT_FALSE(c.aborted);
    const std::vector<well::Station> &st = c.checked.stations;
    ASSERT_EQ(st.size(), e.stations + 1);
    EXPECT_FLOAT_EQ(static_cast<float>(st[e.stations].md), e.lastDepth);

    // Plausible geometry: the true vertical depth grows by no more than the measured
    // depth, and the hole never turns by as much as 10 degrees between two stations.
    const double deg = std::atan(1.0) / 45.0;
    for (size_t i = 1; i <= e.stations; ++i) {
        const double p0 = st[i - 1].inclination * deg, p1 = st[i].inclination * deg;
        const double dt = (st[i].azimuth - st[i - 1].azimuth) * deg;
        const double k = std::cos(p0) * std::cos(p1) + std::cos(dt) * std::sin(p0) * std::sin(p1);
        EXPECT_GT(k, std::cos(10 * deg)) << "station " << i;
        EXPECT_LT(k, 1.0) << "station " << i << " repeats the direction before it";
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ExampleFile,
    ::testing::Values(Example { "deviated-well.txt", FreiesFormat,
                          "Bohrung Nordfeld 7 - Ablenkbohrung", 95, 2850.0f, 0 },
        Example {
            "vertical-well.txt", FreiesFormat, "Brunnen Hofgut 2 Vertikalbohrung", 15, 150.0f, 0 },
        Example { "survey.weg", WegFormat, "Lindenau 3", 74, 1850.0f, 4 },
        Example { "export.atk", AtkFormat, "Bohrung Waldeck 1", 84, 1680.0f, 0 }),
    [](const auto &info) {
        std::string name = info.param.file;
        for (char &c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

} // namespace
