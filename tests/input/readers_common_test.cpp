// What the three readers have in common: file order, thinning, the line-length limit,
// the name after a fault, line ends, and the descriptive lines held before.
#include "input/measurementfile.h"
#include "input/measurementreader.h"
#include "readertraits.h"

#include <gtest/gtest.h>

#include <set>

using namespace readertest;

namespace {

template <typename F> class Reader : public ::testing::Test
{
protected:
    static StringList file(const std::string &name, int records)
    {
        StringList lines = F::head(name);
        for (int k = 1; k <= records; ++k)
            lines.push_back(F::record(k));
        return lines;
    }
    static int headLines() { return static_cast<int>(F::head("x").size()); }
};

using Formats = ::testing::Types<Weg, Free, Atk>;
TYPED_TEST_SUITE(Reader, Formats);

TYPED_TEST(Reader, TakesEveryRecordInFileOrder)
{
    const StringList lines = this->file("Bohrung A", 12);
    const MeasurementRead read = readMeasurement(lines, TypeParam::format, 1, "alt");
    ASSERT_TRUE(read.faults.empty());
    EXPECT_FALSE(read.aborted);
    EXPECT_EQ(read.name, "Bohrung A");
    ASSERT_EQ(read.stations.size(), 12u);
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(read.stations[k - 1], TypeParam::station(k)) << "record " << k;
    EXPECT_EQ(read.linesRead, static_cast<int>(lines.size()));
    EXPECT_EQ(read.status(), "12 Zeilen wurden eingelesen");
}

TYPED_TEST(Reader, ThinsToTheFirstAndEveryNthRecord)
{
    struct Choice
    {
        int datenauswahl;
        int step;
    };
    const StringList lines = this->file("B", 23);
    for (const Choice choice : { Choice { 0, 1 }, Choice { 1, 2 }, Choice { 2, 5 },
             Choice { 3, 10 }, Choice { 4, 1 }, Choice { -1, 1 } }) {
        ASSERT_EQ(schrittweite(choice.datenauswahl), choice.step);
        const MeasurementRead read = readMeasurement(lines, TypeParam::format, choice.step);
        StringList expected;
        for (int k = 1; k <= 23; ++k) {
            if (k == 1 || k % choice.step == 0)
                expected.push_back(TypeParam::station(k));
        }
        EXPECT_EQ(read.stations, expected) << "step " << choice.step;
    }
}

TYPED_TEST(Reader, StepFiveOnTwelveRecordsTakesRecordsOneFiveAndTen)
{
    const MeasurementRead read = readMeasurement(this->file("B", 12), TypeParam::format, 5);
    EXPECT_EQ(read.stations,
        (StringList { TypeParam::station(1), TypeParam::station(5), TypeParam::station(10) }));
    EXPECT_EQ(read.status(), "3 Zeilen wurden eingelesen");
}

TYPED_TEST(Reader, ALineOf98CharactersIsRead)
{
    StringList lines = this->file("C", 3);
    lines.push_back(TypeParam::recordOfLength(4, 98));
    ASSERT_EQ(lines.back().size(), 98u);
    const MeasurementRead read = readMeasurement(lines, TypeParam::format, 1, "alt");
    EXPECT_TRUE(read.faults.empty());
    EXPECT_EQ(read.stations.size(), 4u);
    EXPECT_EQ(read.stations.back(), TypeParam::station(4));
    EXPECT_EQ(read.name, "C");
}

TYPED_TEST(Reader, ALineOf99CharactersOrMoreStopsTheReading)
{
    for (size_t length : { 99u, 100u, 250u }) {
        StringList lines = this->file("C", 3);
        lines.push_back(TypeParam::recordOfLength(4, length));
        lines.push_back(TypeParam::record(5));
        const int number = static_cast<int>(lines.size()) - 1;
        const MeasurementRead read = readMeasurement(lines, TypeParam::format, 1, "alt");
        ASSERT_EQ(read.faults.size(), 1u);
        EXPECT_EQ(read.faults[0].message,
            "In der " + std::to_string(number) + ".Zeile 100 Zeichen gelesen");
        EXPECT_EQ(read.faults[0].lineNumber, number);
        EXPECT_TRUE(read.aborted);
        EXPECT_EQ(read.stations,
            (StringList { TypeParam::station(1), TypeParam::station(2), TypeParam::station(3) }));
        EXPECT_EQ(read.name, "alt") << "the name returns after a fault";
    }
}

TYPED_TEST(Reader, TheCarriageReturnOfALineEndIsNoPartOfTheLine)
{
    std::string bytes;
    for (const std::string &line : this->file("D", 2))
        bytes += line + "\r\n";
    bytes += TypeParam::recordOfLength(3, 98) + "\r\n"; // 98 characters and the line end
    bytes += TypeParam::record(4); // last line without a line end
    const MeasurementRead read = readMeasurement(splitLines(bytes), TypeParam::format, 1, "alt");
    EXPECT_TRUE(read.faults.empty());
    EXPECT_EQ(read.name, "D");
    ASSERT_EQ(read.stations.size(), 4u);
    EXPECT_EQ(read.stations.back(), TypeParam::station(4));

    const std::string tooLong = TypeParam::recordOfLength(3, 99) + "\r\n";
    const MeasurementRead stopped = readMeasurement(
        splitLines(bytes.substr(0, bytes.find(TypeParam::recordOfLength(3, 98))) + tooLong),
        TypeParam::format, 1, "alt");
    ASSERT_EQ(stopped.faults.size(), 1u);
    EXPECT_EQ(stopped.faults[0].message,
        "In der " + std::to_string(this->headLines() + 3) + ".Zeile 100 Zeichen gelesen");
}

TYPED_TEST(Reader, AFaultKeepsWhatCameBeforeAndReadsNoFurther)
{
    StringList lines = this->file("E", 4);
    lines.push_back(TypeParam::badLine());
    const int number = static_cast<int>(lines.size());
    lines.push_back(TypeParam::record(5));
    const MeasurementRead read = readMeasurement(lines, TypeParam::format, 1, "vorher");
    ASSERT_EQ(read.faults.size(), 1u);
    EXPECT_EQ(read.faults[0].message, TypeParam::badMessage(number, TypeParam::badLine()));
    EXPECT_EQ(read.faults[0].lineNumber, number);
    EXPECT_EQ(read.faults[0].line, TypeParam::badLine());
    EXPECT_EQ(read.stations.size(), 4u);
    EXPECT_EQ(read.name, "vorher");
    EXPECT_EQ(read.linesRead, number);
    EXPECT_EQ(read.status(), "4 Zeilen wurden eingelesen");
}

TYPED_TEST(Reader, AnEmptyFileGivesNoStationsAndNoName)
{
    const MeasurementRead read = readMeasurement({}, TypeParam::format, 1, "vorher");
    EXPECT_TRUE(read.faults.empty());
    EXPECT_TRUE(read.stations.empty());
    EXPECT_EQ(read.name, "");
    EXPECT_EQ(read.status(), "0 Zeilen wurden eingelesen");
}

TYPED_TEST(Reader, ANewHeadReplacesTheDescriptiveLinesHeldBefore)
{
    // Free and ATK files always do; a WEG file whose second line is a header does.
    const MeasurementRead read
        = readMeasurement(this->file("F", 2), TypeParam::format, 1, "", StringList { "alt" });
    EXPECT_TRUE(read.info.empty());
    EXPECT_TRUE(read.listedInfo.empty());
}

TYPED_TEST(Reader, TextEndsAtAnEmbeddedNul)
{
    StringList lines = this->file("G", 1);
    lines[0] += std::string("\0Rest", 5);
    const MeasurementRead read = readMeasurement(lines, TypeParam::format, 1);
    EXPECT_EQ(read.name, "G");
    EXPECT_EQ(read.stations.size(), 1u);
}

TEST(Reader, AnUnknownFormatReadsNothingAndKeepsTheName)
{
    const MeasurementRead read
        = readMeasurement({ "Name", "1 2 3" }, 7, 1, "vorher", StringList { "Info" });
    EXPECT_TRUE(read.aborted);
    ASSERT_EQ(read.faults.size(), 1u);
    EXPECT_EQ(read.faults[0].message, "Kein Dateiformat gewählt");
    EXPECT_TRUE(read.stations.empty());
    EXPECT_EQ(read.name, "vorher");
    EXPECT_EQ(read.info, StringList { "Info" });
}

} // namespace
