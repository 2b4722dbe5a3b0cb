// A table's first row as the tie-in: which headings name TVD, north and east (and which,
// much alike, do not), and that taking the first row leaves the rest of the table read as
// if that row had never been there, thinning included.
#include "exchange/delimitedtext.h"
#include "exchange/stationmapping.h"

#include <gtest/gtest.h>

#include <string>

using namespace exchange;

namespace {

StationImport imported(const std::string &text, int step = 1, bool tieInRow = true)
{
    MappingRequest request;
    request.tieInRow = tieInRow;
    request.step = step;
    return importStations(readDelimited(text, Delimiter::Automatic).table, request);
}

} // namespace

TEST(TieInRow, HeadingsNameThePositionAndNothingLikeIt)
{
    const std::vector<std::vector<const char *>> named {
        { "TVD", "TVD [m]", "tvd (ft)", "Seigerteufe", "True Vertical Depth" },
        { "N", "Nord", "North [m]", "NS", "+N/-S", "N/S (ft)", "N-S" },
        { "E", "Ost", "East", "EW", "+E/-W [m]", "E-W", "Ost m" },
    };
    for (int p = 0; p < 3; ++p)
        for (const char *heading : named[static_cast<size_t>(p)])
            EXPECT_EQ(positionOfHeading(heading), p) << heading;
    // Grid coordinates, depths below sea level, the station's own columns and words that
    // merely begin like a position are none; nor is a position a station's column.
    for (const char *other : { "Northing", "Easting", "Hochwert", "TVDSS", "MD", "Teufe",
             "Nordabweichung", "Osten", "DLS", "NE", "" })
        EXPECT_EQ(positionOfHeading(other), -1) << other;
    for (const char *position : { "TVD", "N", "E", "Ost", "+N/-S" })
        EXPECT_EQ(meaningOfHeading(position), -1) << position;
}

TEST(TieInRow, TheRestIsReadAsIfTheFirstRowWereNotThere)
{
    // Depth, a column that is no position, inclination, azimuth, TVD, north, east; grid
    // coordinates before the offsets must not be taken for them.
    const std::string heading = "Teufe;Gamma;Neigung;Azimut;Seigerteufe;Northing;+N/-S;+E/-W\n";
    std::string first, rest;
    for (int i = 0; i < 37; ++i)
        (i == 0 ? first : rest) += std::to_string(1200 + 30 * i) + ";7;" + std::to_string(10 + i)
            + ";" + std::to_string(140 + 2 * i) + ";" + std::to_string(1150 + 28 * i) + ";5800000;"
            + std::to_string(-40 - 5 * i) + ";" + std::to_string(75 + 7 * i) + "\n";
    for (int step : { 1, 2, 5, 10 }) {
        SCOPED_TRACE(step);
        const StationImport taken = imported(heading + first + rest, step);
        ASSERT_FALSE(taken.fault) << taken.fault->message;
        ASSERT_TRUE(taken.tieIn);
        EXPECT_EQ(*taken.tieIn, (well::TieIn { 1200, 1150, -40, 75, 10, 140 }));
        const StationImport others = imported(heading + rest, step, false);
        EXPECT_EQ(taken.survey.stations(), others.survey.stations());
    }
    // Feet: every length of the tie-in in metres.
    const StationImport feet = imported("MD [ft];Inc;Azi;TVD;N;E\n"
                                        "1000;10;140;990;-40;75\n"
                                        "1100;11;141;1088;-45;80\n");
    ASSERT_TRUE(feet.tieIn);
    const well::TieIn &t = *feet.tieIn;
    for (const auto &[got, want] :
        { std::pair { t.md, 1000.0 }, { t.tvd, 990.0 }, { t.north, -40.0 }, { t.east, 75.0 } })
        EXPECT_NEAR(got, want * 0.3048, 1e-9);
}

TEST(TieInRow, TheSurfaceStaysAStationAndAFaultTakesNothing)
{
    const std::string heading = "MD;Inc;Azi;TVD;N;E\n";
    const StationImport surface = imported(heading + "0;0;0;0;0;0\n100;2;30;99.98;1.5;0.9\n");
    ASSERT_FALSE(surface.fault);
    EXPECT_FALSE(surface.tieIn);
    EXPECT_EQ(surface.survey.size(), 2u);
    // Beside the slot at depth 0 it is a tie-in all the same.
    const StationImport beside = imported(heading + "0;0;0;0;12;-3\n100;2;30;99.98;13;-2\n");
    EXPECT_TRUE(beside.tieIn);
    EXPECT_EQ(beside.survey.size(), 1u);
    // A fault further down takes the tie-in with the stations.
    const StationImport later = imported(heading + "1200;10;140;1150;-40;75\n1230;x;142;0;0;0\n");
    ASSERT_TRUE(later.fault);
    EXPECT_FALSE(later.tieIn);
}
