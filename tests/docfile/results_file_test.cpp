// The results file: the bytes written, and the lines read back without loss.
#include "document/resultsfile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

TEST(ResultsFileWrite, EmptyTableGivesAnEmptyFile)
{
    EXPECT_EQ(encodeResults("Unbenannt", {}), "");
    TempFolder dir;
    ASSERT_TRUE(dir.valid());
    writeBytes(dir.file("aus.txt"), "old content\r\n");
    ASSERT_TRUE(writeResultsFile(dir.file("aus.txt"), "Unbenannt", {}));
    EXPECT_TRUE(std::filesystem::exists(dir.file("aus.txt")));
    EXPECT_EQ(std::filesystem::file_size(dir.file("aus.txt")), 0u);
}

TEST(ResultsFileWrite, TitleThenEntriesEachEndedByCrLf)
{
    const StringList entries = { "B 1", "  TEUFE  100%", "", "x" };
    EXPECT_EQ(encodeResults("b1.dvn", entries), "b1.dvn\r\nB 1\r\n  TEUFE  100%\r\n\r\nx\r\n");
}

TEST(ResultsFileWrite, LineEndsInsideTextBecomeCrLf)
{
    // Each "\n" gets its CR, also inside the title or an entry; a CR already there stays.
    EXPECT_EQ(encodeResults("T%d", { "ABBRUCH bei TEUFE(m):100.00 \nPHI", "end\n", "a\r\nb" }),
        "T%d\r\nABBRUCH bei TEUFE(m):100.00 \r\nPHI\r\nend\r\n\r\na\r\r\nb\r\n");
}

TEST(ResultsFileWrite, FileHoldsExactlyTheEncodedBytes)
{
    TempFolder dir;
    ASSERT_TRUE(dir.valid());
    // The file is Windows-1252: "Ä" and "ó" are one byte each, "Ł" and "ź" it cannot hold.
    const StringList entries = { "Änderung 5%", std::string(150, '-'), "Łódź" };
    ASSERT_TRUE(writeResultsFile(dir.file("aus.txt"), "Grün.dvn", entries));
    EXPECT_EQ(readBytes(dir.file("aus.txt")),
        "Gr\xFCn.dvn\r\n\xC4nderung 5%\r\n" + std::string(150, '-')
            + "\r\n?\xF3"
              "d?\r\n");
}

TEST(ResultsFileWrite, UnwritablePathFails)
{
    TempFolder dir;
    ASSERT_TRUE(dir.valid());
    std::filesystem::create_directory(dir.file("aus.txt"));
    EXPECT_FALSE(writeResultsFile(dir.file("aus.txt"), "T", { "a" }));
    EXPECT_FALSE(writeResultsFile(dir.file("no-such-folder/aus.txt"), "T", { "a" }));
}

struct ReadCase
{
    const char *name;
    std::string bytes;
    StringList lines;
};

class ResultsFileRead : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(ResultsFileRead, LinesComeBackWhole)
{
    EXPECT_EQ(decodeResults(GetParam().bytes), GetParam().lines);
    TempFolder dir;
    ASSERT_TRUE(dir.valid());
    writeBytes(dir.file("aus.txt"), GetParam().bytes);
    StringList fromFile;
    ASSERT_TRUE(readResultsFile(dir.file("aus.txt"), fromFile));
    EXPECT_EQ(fromFile, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResultsFileRead,
    ::testing::Values(ReadCase { "EmptyFile", "", {} },
        ReadCase {
            "LongLine", std::string(150, 'a') + "\r\nb\r\n", { std::string(150, 'a'), "b" } },
        ReadCase { "Line99", std::string(99, 'c') + "\r\n", { std::string(99, 'c') } },
        ReadCase { "OneCharacter", "x\r\ny\n", { "x", "y" } },
        ReadCase { "EmptyLines", "\r\n\n\r\nz\r\n", { "", "", "", "z" } },
        ReadCase { "LastLineWithoutEnd", "abc\r\nlast", { "abc", "last" } },
        ReadCase { "LastLineOneCharacter", "abc\nq", { "abc", "q" } },
        ReadCase { "LoneCrIsText", "a\rb\r\nc\r", { "a\rb", "c\r" } },
        ReadCase { "NulBytesKept", std::string("a\0b\r\n\0\r\n", 8),
            { std::string("a\0b", 3), std::string(1, '\0') } },
        ReadCase { "Windows1252",
            "Gr\xFCn \x80\r\nS\xDC"
            "D\r\n",
            { "Grün €", "SÜD" } }),
    [](const ::testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

TEST(ResultsFileRoundTrip, WrittenTableComesBackWithItsTitle)
{
    TempFolder dir;
    ASSERT_TRUE(dir.valid());
    const StringList entries = { "B 1", "", "1", std::string(200, '#') + "%s", "  9.00" };
    ASSERT_TRUE(writeResultsFile(dir.file("aus.txt"), "b1.dvn", entries));
    StringList back;
    ASSERT_TRUE(readResultsFile(dir.file("aus.txt"), back));
    StringList expected = { "b1.dvn" };
    expected.insert(expected.end(), entries.begin(), entries.end());
    EXPECT_EQ(back, expected);
}

TEST(ResultsFileRead, AtMost3000LinesAcrossReadBuffers)
{
    // 3005 lines of 150 characters: far more than one read buffer, so lines cross
    // buffer boundaries; only the first 3000 are taken.
    std::string text;
    StringList expected;
    for (int i = 0; i < 3005; ++i) {
        std::string line = std::to_string(i);
        line.resize(150, static_cast<char>('a' + i % 26));
        text += line + (i % 2 ? "\n" : "\r\n");
        if (i < 3000)
            expected.push_back(line);
    }
    EXPECT_EQ(decodeResults(text), expected);

    TempFolder dir;
    ASSERT_TRUE(dir.valid());
    writeBytes(dir.file("aus.txt"), text);
    StringList back = { "kept in front" };
    ASSERT_TRUE(readResultsFile(dir.file("aus.txt"), back));
    ASSERT_EQ(back.size(), 3001u);
    EXPECT_EQ(back.front(), "kept in front");
    EXPECT_EQ(StringList(back.begin() + 1, back.end()), expected);
}

TEST(ResultsFileRead, ExactlyThe3000thLineWithoutEndIsKept)
{
    std::string text;
    for (int i = 0; i < 2999; ++i)
        text += "l\r\n";
    text += "final";
    const StringList lines = decodeResults(text);
    ASSERT_EQ(lines.size(), 3000u);
    EXPECT_EQ(lines.back(), "final");
}

TEST(ResultsFileRead, MissingFileReadsNothing)
{
    TempFolder dir;
    ASSERT_TRUE(dir.valid());
    StringList out;
    EXPECT_FALSE(readResultsFile(dir.file("aus.txt"), out));
    EXPECT_TRUE(out.empty());
}
