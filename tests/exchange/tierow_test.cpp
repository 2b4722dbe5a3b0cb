// A table's first row as the tie-in: which headings name TVD, north and east (and which,
// much alike, do not), and that taking the first row leaves the rest of the table read as
// if that row had never been there, thinning included, on both ways a table is read.
#include "exchange/delimitedtext.h"
#include "exchange/stationmapping.h"

#include <gtest/gtest.h>

#include <string>

using namespace exchange;

namespace {

Table table(const std::string &text)
{
    const DelimitedRead read = readDelimited(text, Delimiter::Automatic);
    EXPECT_FALSE(read.fault);
    return read.table;
}

MappingRequest tieInRequest(int step = 1)
{
    MappingRequest request;
    request.tieInRow = true;
    request.step = step;
    return request;
}

// A survey table with its heading and `rows` stations, the first at 1200 m beside the
// slot: depth, a column that is no position, inclination, azimuth, TVD, north, east.
std::string survey(const std::string &heading, int rows)
{
    std::string text = heading + "\n";
    for (int i = 0; i < rows; ++i)
        text += std::to_string(1200 + 30 * i) + ";" + std::to_string(0.5 * i) + ";"
            + std::to_string(10 + i) + ";" + std::to_string(140 + 2 * i) + ";"
            + std::to_string(1150 + 28 * i) + ";" + std::to_string(-40 - 5 * i) + ";"
            + std::to_string(75 + 7 * i) + "\n";
    return text;
}

} // namespace

TEST(TieInRowHeadings, NameThePositionAndNothingLikeIt)
{
    for (const char *tvd : { "TVD", "TVD [m]", "tvd (ft)", "Seigerteufe", "True Vertical Depth" })
        EXPECT_EQ(positionOfHeading(tvd), Tvd) << tvd;
    for (const char *north : { "N", "Nord", "North [m]", "NS", "+N/-S", "N/S (ft)", "N-S" })
        EXPECT_EQ(positionOfHeading(north), North) << north;
    for (const char *east : { "E", "Ost", "East", "EW", "+E/-W [m]", "E-W", "Ost m" })
        EXPECT_EQ(positionOfHeading(east), East) << east;
    // Grid coordinates, depths below sea level, the depth itself, and words that merely
    // begin like a position are none.
    for (const char *other : { "Northing", "Easting", "Hochwert", "Rechtswert", "TVDSS", "MD",
             "Teufe", "Nordabweichung", "Osten", "EOU", "DLS", "VS", "NE", "" })
        EXPECT_EQ(positionOfHeading(other), -1) << other;
    // Nor is a position one of the station's own columns.
    for (const char *position : { "TVD", "N", "E", "Nord", "Ost", "+N/-S" })
        EXPECT_EQ(meaningOfHeading(position), -1) << position;
}

TEST(TieInRowHeadings, AreFoundBesideTheStationsColumnsInTheHeadingRow)
{
    const StationImport import
        = importStations(table("MD [m];Inc;Azi;DLS;TVD [m];Northing;Easting;+N/-S [m];+E/-W [m]\n"
                               "1200;10;140;0;1150;5800000;3400000;-40;75\n"
                               "1230;11;142;1;1178;5799995;3400007;-45;82\n"),
            MappingRequest {});
    ASSERT_FALSE(import.fault) << import.fault->message;
    EXPECT_EQ(import.mapping.position, (std::array<int, 3> { 4, 7, 8 }));
    EXPECT_FALSE(import.tieIn) << "found, but not asked for";
    EXPECT_EQ(import.survey.size(), 2u);

    // Without a heading row they can only be chosen by number.
    const StationImport bare = importStations(table("1200;10;140;1150;-40;75\n"), {});
    EXPECT_FALSE(bare.mapping.hasPosition());
    MappingRequest numbered = tieInRequest();
    numbered.position[Tvd].number = 4;
    numbered.position[North].number = 5;
    numbered.position[East].number = 6;
    const StationImport byNumber
        = importStations(table("1200;10;140;1150;-40;75\n1230;11;142;1178;-45;82\n"), numbered);
    ASSERT_TRUE(byNumber.tieIn);
    EXPECT_EQ(*byNumber.tieIn, (well::TieIn { 1200, 1150, -40, 75, 10, 140 }));
    // A column already holding a station's value is no position.
    numbered.position[Tvd].number = 1;
    const StationImport clash = importStations(table("1200;10;140;1150;-40;75\n"), numbered);
    ASSERT_TRUE(clash.fault);
    EXPECT_FALSE(clash.tieIn);
}

TEST(TieInRow, TheRestIsReadAsIfTheFirstRowWereNotThere)
{
    const std::string heading = "Teufe;Gamma;Neigung;Azimut;Seigerteufe;Nord;Ost";
    const std::string whole = survey(heading, 37);
    // The same table without its first station row.
    const std::string firstRow
        = whole.substr(heading.size() + 1, whole.find('\n', heading.size() + 1) - heading.size());
    std::string rest = whole;
    rest.erase(heading.size() + 1, firstRow.size());
    for (int step : { 1, 2, 5, 10 }) {
        SCOPED_TRACE(step);
        const StationImport taken = importStations(table(whole), tieInRequest(step));
        ASSERT_FALSE(taken.fault) << taken.fault->message;
        ASSERT_TRUE(taken.tieIn);
        EXPECT_EQ(*taken.tieIn, (well::TieIn { 1200, 1150, -40, 75, 10, 140 }));
        MappingRequest plain;
        plain.step = step;
        const StationImport others = importStations(table(rest), plain);
        EXPECT_EQ(taken.survey.stations(), others.survey.stations());
        EXPECT_EQ(taken.records, others.records + 1);
        // Read as it is split, the text gives the same.
        const StationImport streamed
            = importDelimitedStations(whole, Delimiter::Automatic, tieInRequest(step));
        EXPECT_EQ(streamed.tieIn, taken.tieIn);
        EXPECT_EQ(streamed.survey.stations(), taken.survey.stations());
    }

    // Feet: every length of the tie-in in metres.
    MappingRequest feet = tieInRequest();
    feet.unit = DepthUnit::Feet;
    const StationImport inFeet = importStations(table(whole), feet);
    ASSERT_TRUE(inFeet.tieIn);
    EXPECT_DOUBLE_EQ(inFeet.tieIn->md, 1200 * 0.3048);
    EXPECT_DOUBLE_EQ(inFeet.tieIn->tvd, 1150 * 0.3048);
    EXPECT_DOUBLE_EQ(inFeet.tieIn->north, -40 * 0.3048);
    EXPECT_DOUBLE_EQ(inFeet.tieIn->east, 75 * 0.3048);
    EXPECT_DOUBLE_EQ(inFeet.survey.stations().front().md, 1230 * 0.3048);
}

TEST(TieInRow, TheSurfaceStaysAStationAndAFaultTakesNothing)
{
    const std::string heading = "MD;Inc;Azi;TVD;N;E\n";
    const StationImport surface
        = importStations(table(heading + "0;0;0;0;0;0\n100;2;30;99.98;1.5;0.9\n"), tieInRequest());
    ASSERT_FALSE(surface.fault);
    EXPECT_FALSE(surface.tieIn);
    EXPECT_EQ(surface.survey.size(), 2u);

    // A station at the slot's depth 0 beside it is a tie-in all the same.
    const StationImport beside
        = importStations(table(heading + "0;0;0;0;12;-3\n100;2;30;99.98;13;-2\n"), tieInRequest());
    ASSERT_TRUE(beside.tieIn);
    EXPECT_EQ(beside.survey.size(), 1u);

    // A fault further down the table takes the tie-in with the stations.
    const StationImport later = importStations(
        table(
            heading + "1200;10;140;1150;-40;75\n1230;x;142;1178;-45;82\n1260;12;143;1206;-50;90\n"),
        tieInRequest());
    ASSERT_TRUE(later.fault);
    EXPECT_FALSE(later.tieIn);
    EXPECT_TRUE(later.survey.stations().empty());

    const StationImport text = importStations(
        table(heading + "1200;10;140;viel;-40;75\n1230;11;142;1178;-45;82\n"), tieInRequest());
    ASSERT_TRUE(text.fault);
    EXPECT_EQ(text.fault->row, 2);
    EXPECT_EQ(text.fault->column, 4);
    EXPECT_NE(text.fault->message.find("„viel“ ist keine Zahl für TVD"), std::string::npos)
        << text.fault->message;
}
