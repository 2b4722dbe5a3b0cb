// The ATK format: a name line, two skipped lines, then records of 17 digits.
#include "input/measurementreader.h"

#include <gtest/gtest.h>

namespace {

MeasurementRead readAtk(const std::string &record, int recordLine = 4)
{
    StringList lines { "Waldeck", "Kopf 2", "Kopf 3" };
    while (static_cast<int>(lines.size()) < recordLine - 1)
        lines.push_back("00001000000000000");
    lines.push_back(record);
    return readMeasurement(lines, AtkFormat, 1, "vorher");
}

struct GoodRecord
{
    const char *name;
    std::string record;
    std::string station;
};

class AtkGoodRecord : public ::testing::TestWithParam<GoodRecord>
{
};

TEST_P(AtkGoodRecord, BecomesAStationLine)
{
    const MeasurementRead read = readAtk(GetParam().record);
    ASSERT_TRUE(read.faults.empty()) << read.faults[0].message;
    ASSERT_EQ(read.stations.size(), 1u);
    EXPECT_EQ(read.stations[0], GetParam().station);
    EXPECT_EQ(read.name, "Waldeck");
}

INSTANTIATE_TEST_SUITE_P(Records, AtkGoodRecord,
    ::testing::Values(GoodRecord { "Plain", "00123450123435999", "  123.45    12.34   359.99" },
        GoodRecord { "MinusInColumnOne", "-0005000000000100", "   -5.00     0.00     1.00" },
        GoodRecord { "PlusInColumnOne", "+0005000000000100", "    5.00     0.00     1.00" },
        GoodRecord { "BlankInColumnOne", " 123456100001234", " 1234.56   100.00    12.34" },
        GoodRecord { "LargestDepth", "99999991800036000", "99999.99   180.00   360.00" },
        GoodRecord { "CharactersAfterColumn17Ignored", "00123450123435999123 x",
            "  123.45    12.34   359.99" },
        GoodRecord { "ShortAzimuthField", "0012345012343", "  123.45    12.34     0.03" },
        GoodRecord { "AzimuthFieldOfTwo", "00123450123412", "  123.45    12.34     0.12" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AtkReader, TheTwoLinesUnderTheNameAreSkipped)
{
    const MeasurementRead read
        = readMeasurement({ "Name", "irgendwas", "", "00010000010000200" }, AtkFormat, 1);
    ASSERT_TRUE(read.faults.empty());
    EXPECT_EQ(read.stations, StringList { "   10.00     1.00     2.00" });
}

TEST(AtkReader, ABlankInColumnTwoIsReportedAsColumnOne)
{
    const MeasurementRead read = readAtk("0 123450123435999");
    ASSERT_EQ(read.faults.size(), 1u);
    EXPECT_EQ(read.faults[0].message, "Leerzeichen in der 1.Spalte");
    EXPECT_TRUE(read.stations.empty());
    EXPECT_EQ(read.name, "vorher");
}

TEST(AtkReader, ALetterInColumnFiveOfTheSeventhLine)
{
    const std::string record = "0012x450123435999";
    const MeasurementRead read = readAtk(record, 7);
    ASSERT_EQ(read.faults.size(), 1u);
    EXPECT_EQ(read.faults[0].message,
        "ABBRUCH! Kein ATK-Format\n\t5.Zeichen in der 7.Zeile:x\n\t" + record);
    EXPECT_EQ(read.faults[0].lineNumber, 7);
    EXPECT_EQ(read.stations.size(), 3u) << "records of lines 4 to 6 only";
}

TEST(AtkReader, TheColumnCheckNamesTheFirstNonDigit)
{
    // The record as the file has it, and as the message quotes it.
    struct Case
    {
        std::string record;
        int column;
        std::string c;
        std::string shown;
    };
    for (const Case &c : { Case { "00123450123435 99", 15, " ", "00123450123435 99" },
             Case { "0-123450123435999", 2, "-", "0-123450123435999" },
             Case { "0012345.123435999", 8, ".", "0012345.123435999" },
             Case { "0012345012343599\xE4", 17, "ä", "0012345012343599ä" },
             Case { "01e3", 3, "e", "01e3" } }) {
        const MeasurementRead read = readAtk(c.record);
        ASSERT_EQ(read.faults.size(), 1u) << c.record;
        EXPECT_EQ(read.faults[0].message,
            "ABBRUCH! Kein ATK-Format\n\t" + std::to_string(c.column)
                + ".Zeichen in der 4.Zeile:" + c.c + "\n\t" + c.shown);
        EXPECT_TRUE(read.stations.empty());
    }
}

TEST(AtkReader, RecordsWithoutThreeNumbers)
{
    for (const std::string record : { "", "0012345", "001234501234", "x0123450123435999", "-" }) {
        const MeasurementRead read = readAtk(record);
        ASSERT_EQ(read.faults.size(), 1u) << '"' << record << '"';
        EXPECT_EQ(read.faults[0].message, "Zu wenig Werte in der 4.Zeile\n" + record);
        EXPECT_TRUE(read.stations.empty());
    }
}

} // namespace
