// The WEG format: name line, record tags, fixed station columns, the survey description
// and which descriptive lines survive a read.
#include "input/measurementreader.h"

#include <gtest/gtest.h>

namespace {

MeasurementRead readWeg(const StringList &lines, const StringList &previousInfo = {})
{
    return readMeasurement(lines, WegFormat, 1, "vorher", previousInfo);
}

TEST(WegReader, TheNameStandsFromColumn15)
{
    EXPECT_EQ(readWeg({ "KOPFZEILE 0001Lindenau 3" }).name, "Lindenau 3");
    EXPECT_EQ(readWeg({ "12345678901234" }).name, "12345678901234") << "14 characters: all";
    EXPECT_EQ(readWeg({ "Kurz" }).name, "Kurz");
    EXPECT_EQ(readWeg({ "B9 keine Pruefung" }).name, "ung") << "the first line has no tag";
}

TEST(WegReader, StationFieldsMayTouch)
{
    // depth in columns 15-22, inclination 23-29, azimuth from 30 on
    const MeasurementRead read = readWeg({ "N", "A3  0001      12345.6712.3456359.994" });
    ASSERT_TRUE(read.faults.empty());
    EXPECT_EQ(read.stations, StringList { "12345.67   12.35  359.99" });
}

TEST(WegReader, ColumnsOneToFourteenAreNotRead)
{
    const MeasurementRead read = readWeg({ "N", "A3 99 99 99 99   100.5   1.25   45" });
    ASSERT_TRUE(read.faults.empty());
    EXPECT_EQ(read.stations, StringList { "  100.50    1.25   45.00" });
}

TEST(WegReader, OnlyTheFirstTwoCharactersOfTheTagCount)
{
    const MeasurementRead read = readWeg({ "N", "A3X           100.00   1.00   2.00" });
    ASSERT_TRUE(read.faults.empty());
    EXPECT_EQ(read.stations, StringList { "  100.00    1.00    2.00" });
}

TEST(WegReader, LinesWithoutAValidTagAreNoWegFormat)
{
    for (const std::string bad :
        { "B3            100.00   1.00   2.00", "A5 x", "a3 klein", "A", "", "    ", "\t" }) {
        const MeasurementRead read = readWeg({ "N", "A3            100.00   1.00   2.00", bad,
            "A3            200.00   1.00   2.00" });
        ASSERT_EQ(read.faults.size(), 1u) << '"' << bad << '"';
        EXPECT_EQ(read.faults[0].message, "Kein WEG-Format");
        EXPECT_EQ(read.faults[0].lineNumber, 3);
        EXPECT_EQ(read.stations.size(), 1u);
        EXPECT_EQ(read.name, "vorher");
    }
}

TEST(WegReader, StationsWithoutThreeNumbersStopTheReading)
{
    for (const std::string bad :
        { "A3", "A3  kurz", "A3            100.00   1.00", "A3            100.00    nan   2.00",
            "A3            100.00   1.00  1e999", "A3            abc" }) {
        const MeasurementRead read = readWeg({ "N", bad });
        ASSERT_EQ(read.faults.size(), 1u) << bad;
        EXPECT_EQ(read.faults[0].message, "Zu wenig Werte in der 2.Zeile " + bad);
        EXPECT_TRUE(read.stations.empty());
    }
}

TEST(WegReader, SurveyDescriptionWithAnEightDigitDate)
{
    const MeasurementRead read = readWeg({ "N", "A2 0 1234.5 20130507 Kreisel" });
    ASSERT_TRUE(read.faults.empty());
    EXPECT_EQ(read.listedInfo, StringList { "Von    0.00-1234.50 m Teufe  7. 5.2013 Kreisel" });
    EXPECT_EQ(read.info, read.listedInfo);
}

TEST(WegReader, SurveyDescriptionWithBlanksInTheDate)
{
    const MeasurementRead read = readWeg({ "N", "A2  12.5  99.25 1998 11 3 Magnet Rest" });
    EXPECT_EQ(read.listedInfo, StringList { "Von   12.50-  99.25 m Teufe  3.11.1998 Magnet" });
}

TEST(WegReader, TheEndDepthHasAtMostSevenCharacters)
{
    // "1234.567" gives 1234.56 and leaves 7 for the year, then the month and day follow.
    const MeasurementRead read = readWeg({ "N", "A2 0 1234.567 5 6 Kompass" });
    EXPECT_EQ(read.listedInfo, StringList { "Von    0.00-1234.56 m Teufe  6. 5.   7 Kompass" });
}

TEST(WegReader, AnIncompleteDescriptionIsTakenFromColumn15)
{
    const MeasurementRead read
        = readWeg({ "N", "A2 Beschreibg.Messung ohne Datum", "A2    0   100 2013 5", "A2 kurz" });
    ASSERT_TRUE(read.faults.empty());
    EXPECT_EQ(read.listedInfo, (StringList { "Messung ohne Datum", "2013 5", "A2 kurz" }));
}

TEST(WegReader, RemarksAreTakenFromColumn15AndHeadersGiveNothing)
{
    const MeasurementRead read
        = readWeg({ "N", "A1  KOPF      nichts", "A4            Bemerkung eins", "A4 kurz" });
    EXPECT_EQ(read.listedInfo, (StringList { "Bemerkung eins", "A4 kurz" }));
    EXPECT_TRUE(read.stations.empty());
}

struct SecondLineCase
{
    const char *name;
    std::string secondLine;
    bool keepsPrevious;
    StringList listed; // what this run lists
};

class WegSecondLine : public ::testing::TestWithParam<SecondLineCase>
{
};

TEST_P(WegSecondLine, DecidesWhetherTheOldDescriptiveLinesStay)
{
    const StringList previous { "alt 1", "alt 2" };
    const MeasurementRead read
        = readWeg({ "N", GetParam().secondLine, "A4            neu" }, previous);
    ASSERT_TRUE(read.faults.empty());
    StringList expected = GetParam().keepsPrevious ? previous : StringList {};
    const StringList &listed = GetParam().listed;
    expected.insert(expected.end(), listed.begin(), listed.end());
    EXPECT_EQ(read.info, expected);
    EXPECT_EQ(read.listedInfo, listed) << "the list shows only this run's lines";
}

INSTANTIATE_TEST_SUITE_P(Records, WegSecondLine,
    ::testing::Values(SecondLineCase { "Header", "A1  KOPF", false, { "neu" } },
        SecondLineCase { "Description", "A2 kein Datum", false, { "A2 kein Datum", "neu" } },
        SecondLineCase { "Station", "A3            100.00   1.00   2.00", true, { "neu" } },
        SecondLineCase { "Remark", "A4            erste", true, { "erste", "neu" } }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WegReader, ADescriptionLaterInTheFileKeepsTheOldLines)
{
    const MeasurementRead read
        = readWeg({ "N", "A4            eins", "A2 zwei" }, StringList { "alt" });
    EXPECT_EQ(read.info, (StringList { "alt", "eins", "A2 zwei" }));
}

TEST(WegReader, AFaultKeepsTheDescriptiveLinesReadBeforeIt)
{
    const MeasurementRead read = readWeg(
        { "N", "A1", "A4            eins", "X", "A4            zwei" }, StringList { "alt" });
    EXPECT_EQ(read.info, StringList { "eins" });
    EXPECT_EQ(read.name, "vorher");
}

} // namespace
