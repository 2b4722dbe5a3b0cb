// The free format: the first line names the borehole unless it holds numbers, and every
// later line must hold three numbers.
#include "input/measurementreader.h"

#include <gtest/gtest.h>

namespace {

MeasurementRead readFree(const StringList &lines)
{
    return readMeasurement(lines, FreiesFormat, 1, "vorher", StringList { "alt" });
}

TEST(FreeReader, WritesStationsWithTwoBlanksBetweenTheFields)
{
    const MeasurementRead read = readFree({ "Bohrung", "150 1 2", " 1e2\t0.125 359.999 Rest" });
    ASSERT_TRUE(read.faults.empty());
    EXPECT_EQ(
        read.stations, (StringList { "  150.00     1.00     2.00", "  100.00     0.12   360.00" }));
    EXPECT_TRUE(read.info.empty()) << "free files bring no descriptive lines";
}

TEST(FreeReader, AFirstLineOfNumbersIsNeitherNameNorStation)
{
    const MeasurementRead read = readFree({ "0 0 0", "10 1 2" });
    ASSERT_TRUE(read.faults.empty());
    EXPECT_EQ(read.name, "") << "no name from the file";
    EXPECT_EQ(read.stations, StringList { "   10.00     1.00     2.00" });
}

TEST(FreeReader, AnyOtherFirstLineIsTheName)
{
    for (const std::string first : { "Bohrung 1", "1 2", "", "nan 1 2", "1 2 inf", "  12.5 Meter" })
        EXPECT_EQ(readFree({ first, "10 1 2" }).name, first) << first;
}

TEST(FreeReader, ALaterLineWithoutThreeNumbersStopsTheReading)
{
    for (const std::string bad : { "", "  ", "20 1", "20 x 3", "nan 1 2", "20 1 1e39", "Ende" }) {
        const MeasurementRead read = readFree({ "Bohrung", "10 1 2", bad, "30 1 2" });
        ASSERT_EQ(read.faults.size(), 1u) << '"' << bad << '"';
        EXPECT_EQ(read.faults[0].message,
            "ABBRUCH!!\nDie 3.Zeile enhält keine 3 Werte\n " + bad + "\nKeine Freies Format");
        EXPECT_EQ(read.stations.size(), 1u);
        EXPECT_EQ(read.name, "vorher");
    }
}

TEST(FreeReader, AnEmptyLineAfterTheLastStationIsAFaultButAFinalLineFeedIsNot)
{
    const MeasurementRead withEmptyLine = readFree({ "Bohrung", "10 1 2", "20 1 2", "" });
    ASSERT_EQ(withEmptyLine.faults.size(), 1u);
    EXPECT_EQ(withEmptyLine.faults[0].lineNumber, 4);
    EXPECT_EQ(withEmptyLine.stations.size(), 2u);
    EXPECT_EQ(withEmptyLine.name, "vorher");
}

TEST(FreeReader, ValuesAreRoundedToTwoDecimals)
{
    const MeasurementRead read
        = readFree({ "B", "1234.5678 -0.004 12.345678", "99999.999 179.996 0.001" });
    EXPECT_EQ(read.stations,
        (StringList { " 1234.57    -0.00    12.35", "100000.00   180.00     0.00" }));
}

} // namespace
