// Splitting file bytes into the lines the readers see.
#include "input/measurementfile.h"
#include "tempfile.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase
{
    const char *name;
    std::string bytes;
    StringList lines;
};

class SplitLines : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitLines, GivesTheLinesOfTheFile)
{
    EXPECT_EQ(splitLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Bytes, SplitLines,
    ::testing::Values(SplitCase { "Empty", "", {} },
        SplitCase { "LastLineWithoutLineFeed", "a\nb", { "a", "b" } },
        SplitCase { "EndingLineFeedAddsNoLine", "a\nb\n", { "a", "b" } },
        SplitCase { "CrLfIsOneLineEnd", "a\r\nb\r\n", { "a", "b" } },
        SplitCase { "MixedLineEnds", "a\r\nb\nc", { "a", "b", "c" } },
        SplitCase { "EmptyLineInside", "a\n\nb\n", { "a", "", "b" } },
        SplitCase { "TwoLineFeedsAtEnd", "a\n\n", { "a", "" } },
        SplitCase { "OnlyALineFeed", "\n", { "" } },
        SplitCase { "OnlyOneCarriageReturnBelongsToTheEnd", "a\r\r\n", { "a\r" } },
        SplitCase { "LoneCarriageReturnStaysInTheLine", "a\rb\n", { "a\rb" } },
        SplitCase { "CarriageReturnAtEndOfFile", "a\r", { "a\r" } },
        SplitCase { "NulKept", std::string("a\0b\n", 4), { std::string("a\0b", 3) } }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ReadMeasurementFile, ReadsAFileAsItsLines)
{
    TempFile file("Name\r\n1 2 3\r\n4 5 6");
    const MeasurementFileLines read = readMeasurementFile(file.path());
    EXPECT_TRUE(read.opened);
    EXPECT_EQ(read.lines, (StringList { "Name", "1 2 3", "4 5 6" }));
}

TEST(ReadMeasurementFile, AMissingFileYieldsNoLines)
{
    const MeasurementFileLines read = readMeasurementFile("/nonexistent/dravon/none.txt");
    EXPECT_FALSE(read.opened);
    EXPECT_TRUE(read.lines.empty());
}

TEST(ReadMeasurementFile, AFolderIsNoFile)
{
    const MeasurementFileLines read
        = readMeasurementFile(std::filesystem::temp_directory_path().string());
    EXPECT_FALSE(read.opened);
    EXPECT_TRUE(read.lines.empty());
}

TEST(ReadMeasurementFile, ReadsFilesLargerThanOneBuffer)
{
    std::string bytes;
    for (int i = 0; i < 20000; ++i)
        bytes += "   10.00     1.00     2.00\n";
    TempFile file(bytes);
    const MeasurementFileLines read = readMeasurementFile(file.path());
    ASSERT_TRUE(read.opened);
    EXPECT_EQ(read.lines.size(), 20000u);
    EXPECT_EQ(read.lines.back(), "   10.00     1.00     2.00");
}

} // namespace
