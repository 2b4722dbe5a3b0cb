// Where a table ends: notes, totals and a second table below the stations are named and
// not read, a faulty row among the stations still refuses the table; headings broken over
// lines and unit rows under the heading. Every case runs through both ways into stations
// (the whole table, and delimited text converted as it is split), which must agree.
#include "exchange/delimitedtext.h"
#include "exchange/stationmapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace exchange;

namespace {

StationImport viaTable(const std::string &text, const MappingRequest &request = {})
{
    const DelimitedRead read = readDelimited(text, Delimiter::Automatic);
    EXPECT_FALSE(read.fault);
    return importStations(read.table, request);
}

// Both ways, checked against each other; the table's result is returned.
StationImport imported(const std::string &text, const MappingRequest &request = {})
{
    const StationImport whole = viaTable(text, request);
    const StationImport streamed = importDelimitedStations(text, Delimiter::Automatic, request);
    EXPECT_EQ(whole.fault.has_value(), streamed.fault.has_value()) << text;
    if (whole.fault && streamed.fault) {
        EXPECT_EQ(whole.fault->message, streamed.fault->message);
        EXPECT_EQ(whole.fault->row, streamed.fault->row);
    }
    EXPECT_EQ(whole.afterFirst, streamed.afterFirst) << text;
    EXPECT_EQ(whole.afterLast, streamed.afterLast) << text;
    EXPECT_EQ(whole.survey.stations(), streamed.survey.stations()) << text;
    return whole;
}

struct EndCase
{
    const char *what;
    std::string text;
    size_t stations; // taken; 0 with a refusal
    int faultRow; // 0: no refusal
    int afterFirst, afterLast; // rows named as not read
};

} // namespace

TEST(TableEnd, InsideOrAfterTheTable)
{
    const std::string head = "MD;Inc;Azi\n100;1;2\n200;3;4\n";
    const std::vector<EndCase> cases {
        { "the table runs to the end", head, 2, 0, 0, 0 },
        { "a totals row", head + "Summe;;\n", 2, 0, 4, 4 },
        { "notes after a blank row, with text in other columns between",
            head + "\nAlle Angaben in Metern;;\n;;;Seite 1\nBerechnet mit Schmiegungskreis;;\n", 2,
            0, 5, 7 },
        { "a second table whose depths start again",
            head + "Vermessungsprogramm;;\nvon;bis;Gerät\n0;;MWD\n100;200;Kreisel\n", 2, 0, 4, 7 },
        { "a second table of stations right below", head + "Bohrung 2;;\n0;0;0\n50;1;1\n", 2, 0, 4,
            6 },
        { "a row whose depth cell is smaller, with text", head + "0;Summe;\n", 2, 0, 4, 4 },
        { "a station with a faulty cell inside", "MD;Inc;Azi\n100;1;2\n150;x;3\n200;3;4\n", 0, 3, 0,
            0 },
        { "a faulty last station", head + "300;;4\n", 0, 4, 0, 0 },
        { "a text row between stations", "MD;Inc;Azi\n100;1;2\nKommentar;;\n200;3;4\n", 0, 3, 0,
            0 },
        { "a text row, blank rows, then the stations go on",
            "MD;Inc;Azi\n100;1;2\nx;;\n\n;;\n200;3;4\n", 0, 3, 0, 0 },
        { "blank rows between groups are gaps", "MD;Inc;Azi\n100;1;2\n\n;;\n200;3;4\n\n", 2, 0, 0,
            0 },
    };
    for (const EndCase &c : cases) {
        SCOPED_TRACE(c.what);
        const StationImport import = imported(c.text);
        EXPECT_EQ(import.survey.size(), c.stations);
        EXPECT_EQ(import.fault ? import.fault->row : 0, c.faultRow)
            << (import.fault ? import.fault->message : "");
        EXPECT_EQ(import.afterFirst, c.afterFirst);
        EXPECT_EQ(import.afterLast, c.afterLast);
        EXPECT_EQ(import.notice().empty(), c.afterFirst == 0);
    }
}

TEST(TableEnd, TheNoticeNamesTheRows)
{
    StationImport import;
    import.afterFirst = 172;
    import.afterLast = 179;
    EXPECT_EQ(import.notice(), "Zeilen 172 bis 179 nach der Tabelle nicht gelesen");
    import.afterLast = 172;
    EXPECT_EQ(import.notice(), "Zeile 172 nach der Tabelle nicht gelesen");
}

TEST(TableEnd, ARefusedRowInsideStillNamesRowColumnAndText)
{
    const StationImport import = imported("MD;Inc;Azi\n100;1;2\nKommentar;;\n200;3;4\n");
    ASSERT_TRUE(import.fault);
    EXPECT_EQ(import.fault->column, 1);
    EXPECT_EQ(import.fault->text, "Kommentar");
    EXPECT_EQ(
        import.fault->message, "Zeile 3, Spalte 1 (A): „Kommentar“ ist keine Zahl für Teufe.");
    EXPECT_TRUE(import.survey.empty()) << "nothing of a refused table is taken";
}

TEST(TableEnd, ALongSurveyEndsWhereItsStationsEnd)
{
    // Far beyond the first rows that decide the mapping, so that the streamed way meets
    // the end on its own; thinned, the stations are counted before thinning.
    std::string text = "Teufe;Neigung;Azimut\n";
    for (int i = 1; i <= 5000; ++i)
        text += std::to_string(i) + ";1,5;20\n";
    text += "\nSumme;;\nFu\xDFnote;;\n";
    MappingRequest every5;
    every5.step = 5;
    const StationImport import = imported(text, every5);
    ASSERT_FALSE(import.fault) << import.fault->message;
    EXPECT_EQ(import.records, 5000);
    EXPECT_EQ(import.survey.size(), 1000u + 1u);
    EXPECT_EQ(import.afterFirst, 5003);
    EXPECT_EQ(import.afterLast, 5004);
}

TEST(TableEnd, HeadingsOverTwoLinesAndAUnitRow)
{
    EXPECT_EQ(meaningOfHeading("Measured\nDepth"), Depth);
    EXPECT_EQ(meaningOfHeading("Azimuth\nGrid"), Azimuth);
    EXPECT_EQ(meaningOfHeading("Azimuth True North"), Azimuth);
    EXPECT_EQ(meaningOfHeading("Inclination\r\n(deg)"), Inclination);
    EXPECT_EQ(meaningOfHeading("NS\nGrid North"), -1);
    EXPECT_EQ(meaningOfHeading("Vertical\nSection"), -1);
    EXPECT_EQ(meaningOfHeading("TVD"), -1);

    // A report's heading: a comments column, quoted headings over two lines, a unit row.
    const std::string heading = "Comments,\"Measured\nDepth\",Inclination,\"Azimuth\nGrid\",TVD\n";
    const std::string data = "Tie-In,0.00,0.00,0.00,0.00\n,100.00,1.00,45.00,99.99\n";
    const StationImport feet = imported(heading + ",( ft ),( deg ),( deg ),( ft )\n" + data);
    ASSERT_FALSE(feet.fault) << feet.fault->message;
    EXPECT_EQ(feet.mapping.headerRow, 0);
    EXPECT_EQ(feet.mapping.columns, (std::array<int, 3> { 1, 2, 3 }));
    EXPECT_EQ(feet.mapping.firstDataRow, 2);
    EXPECT_EQ(feet.mapping.unit, DepthUnit::Feet);
    ASSERT_EQ(feet.survey.size(), 2u);
    EXPECT_DOUBLE_EQ(feet.survey.stations()[1].md, 30.48);

    const StationImport metres = imported(heading + ",[m],[deg],[deg],[m]\n" + data);
    ASSERT_FALSE(metres.fault);
    EXPECT_EQ(metres.mapping.unit, DepthUnit::Metres);
    EXPECT_EQ(metres.survey.stations()[1].md, 100.0);

    // A unit the user chose wins over the unit row.
    MappingRequest chosen;
    chosen.unit = DepthUnit::Metres;
    EXPECT_EQ(imported(heading + ",( ft ),,,\n" + data, chosen).survey.stations()[1].md, 100.0);
}
