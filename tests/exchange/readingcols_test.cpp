// A table's columns of the measured total field, dip and gravity: which headings name them
// (and which, much alike, do not, above all the hole's inclination), the units a heading
// may name, that the readings stay with the stations kept by the thinning of a short and
// of a streamed long table, and that a cell no reading can hold refuses the table.
#include "exchange/delimitedtext.h"
#include "exchange/stationmapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

using namespace exchange;

namespace {

StationImport imported(const std::string &text, int step = 1, MappingRequest request = {})
{
    request.step = step;
    return importStations(readDelimited(text, Delimiter::Automatic).table, request);
}

// What row i of the generated tables measured, for checking without the reader.
double fieldOf(int i) { return 48000 + 7 * i; }
double dipOf(int i) { return 60 + 0.01 * i; }

} // namespace

TEST(ReadingColumns, HeadingsNameTheReadingsAndNothingLikeThem)
{
    const std::vector<std::vector<const char *>> named {
        { "Gesamtfeld", "Totalintensität", "Btotal", "B total", "Total Field", "TotalField",
            "MagField", "Btot", "BTOTAL [nT]", "Btotal (µT)", "Total Field/Gauss", "Btotal nT" },
        { "Dip", "Magnetic Dip", "MagDip", "DIP [deg]", "Dip (°)", "Dip Grad" },
        { "Gtotal", "G total", "Gravity", "Schwere", "Gtot", "Gtotal [g]", "Gravity (m/s²)",
            "G total mg" },
    };
    for (int q = 0; q < 3; ++q)
        for (const char *heading : named[static_cast<size_t>(q)]) {
            EXPECT_EQ(readingOfHeading(heading), q) << heading;
            EXPECT_EQ(meaningOfHeading(heading), -1) << heading;
            EXPECT_EQ(positionOfHeading(heading), -1) << heading;
        }
    // "Inklination" stays the hole's inclination; the components, other angles and words
    // that only begin like a reading are none.
    EXPECT_EQ(meaningOfHeading("Inklination"), Inclination);
    for (const char *other : { "Inklination", "Inklination [°]", "Inc", "Neigung", "Azimut",
             "MD", "B", "G", "Bx", "Gz", "Total", "Field", "Dip Angle", "Dipmeter",
             "MagDec", "Gtotal Ref", "Btotal mT", "Gravity Toolface", "Gamma", "" })
        EXPECT_EQ(readingOfHeading(other), -1) << other;
}

TEST(ReadingColumns, AUnitInTheHeadingConvertsAndAForeignOneIsRefused)
{
    // A foreign unit is none of the quantity's, whatever the name.
    for (const auto &[q, heading] : std::vector<std::pair<int, const char *>> {
             { TotalField, "Btotal [mT]" }, { Dip, "Dip [rad]" }, { Gravity, "Gtotal [nT]" } })
        EXPECT_FALSE(readingScaleOfHeading(q, heading)) << heading;

    // Read through a table: 50.5 µT, 0.5 Gauss, 1.002 g and 998 mg arrive in nT and m/s².
    const StationImport converted = imported("MD;Inc;Azi;Btotal [µT];Gtotal [g]\n"
                                             "100;1;10;50,5;1,002\n"
                                             "200;2;10;;0,998\n");
    const StationImport other = imported("MD;Inc;Azi;Total Field/Gauss;G total mg\n"
                                         "100;1;10;0,5;998\n");
    ASSERT_FALSE(other.fault) << other.fault->message;
    ASSERT_EQ(other.fieldReadings.size(), 1u);
    EXPECT_NEAR(*other.fieldReadings[0].measured[TotalField], 50000, 1e-6);
    EXPECT_NEAR(*other.fieldReadings[0].measured[Gravity], 0.998 * 9.80665, 1e-12);
    ASSERT_FALSE(converted.fault) << converted.fault->message;
    ASSERT_EQ(converted.fieldReadings.size(), 2u);
    EXPECT_NEAR(*converted.fieldReadings[0].measured[TotalField], 50500, 1e-6);
    EXPECT_NEAR(*converted.fieldReadings[0].measured[Gravity], 1.002 * 9.80665, 1e-12);
    EXPECT_FALSE(converted.fieldReadings[1].measured[TotalField]) << "an empty cell: none";
    EXPECT_FALSE(converted.fieldReadings[1].measured[Dip]) << "no column: none";
    // A heading naming a unit the quantity cannot have takes nothing.
    const StationImport foreign = imported("MD;Inc;Azi;Btotal [mT]\n100;1;10;0,05\n");
    ASSERT_TRUE(foreign.fault);
    EXPECT_NE(foreign.fault->message.find("Btotal [mT]"), std::string::npos)
        << foreign.fault->message;
    EXPECT_TRUE(foreign.survey.empty());
}

TEST(ReadingColumns, TheReadingsStayWithTheStationsKept)
{
    // Every third row has no total field, every seventh none at all; the columns stand
    // between and after the station's own, with a column the reader must pass over. The
    // long table is read as it is split (beyond the rows the mapping is made from).
    for (int rows : { 60, 2600 }) {
        std::string text = "MD [ft];Dip;Inc;Gamma;Azi;Btotal\n";
        for (int i = 0; i < rows; ++i) {
            const bool none = i % 7 == 3;
            text += std::to_string(100 + 10 * i) + ";"
                + (none ? std::string() : std::to_string(dipOf(i))) + ";" + std::to_string(i % 90)
                + ";55;" + std::to_string(i % 360) + ";"
                + (none || i % 3 == 1 ? std::string() : std::to_string(fieldOf(i))) + "\n";
        }
        for (int step : { 1, 2, 5, 10 }) {
            SCOPED_TRACE(std::to_string(rows) + " rows, step " + std::to_string(step));
            MappingRequest request;
            request.step = step;
            const StationImport got = rows > 2000
                ? importDelimitedStations(text, Delimiter::Automatic, request)
                : imported(text, step);
            ASSERT_FALSE(got.fault) << got.fault->message;
            // Which row each station came from, by its depth in feet.
            std::map<long, int> rowOfDepth;
            for (int i = 0; i < rows; ++i)
                rowOfDepth[100 + 10 * i] = i;
            std::size_t next = 0;
            for (const well::Station &s : got.survey.stations()) {
                const int i = rowOfDepth.at(std::lround(s.md / 0.3048));
                if (i % 7 == 3)
                    continue; // no reading: none may stand at its depth
                ASSERT_LT(next, got.fieldReadings.size());
                const well::FieldReading &r = got.fieldReadings[next++];
                EXPECT_EQ(r.md, s.md);
                ASSERT_TRUE(r.measured[Dip]);
                EXPECT_NEAR(*r.measured[Dip], dipOf(i), 1e-9);
                EXPECT_EQ(r.measured[TotalField].has_value(), i % 3 != 1) << i;
                if (r.measured[TotalField]) {
                    EXPECT_EQ(*r.measured[TotalField], fieldOf(i));
                }
                EXPECT_FALSE(r.measured[Gravity]);
                EXPECT_FALSE(r.reference[Dip] || r.tolerance[Dip]) << "only what was measured";
            }
            EXPECT_EQ(next, got.fieldReadings.size()) << "a reading of a station not kept";
        }
    }
}

TEST(ReadingColumns, ACellNoReadingCanHoldRefusesTheTable)
{
    const std::string heading = "MD;Inc;Azi;Btotal;Dip;Gtotal [g]\n";
    const std::string good = "100;1;10;50000;65;1\n";
    const std::vector<std::tuple<std::string, int, const char *>> bad {
        { "200;2;10;-5;65;1\n", 4, "Gesamtfeld" },
        { "200;2;10;50000;91;1\n", 5, "Inklination des Magnetfelds" },
        { "200;2;10;50000;65;abc\n", 6, "Schwere" },
        // 11 g is more than the 100 m/s² a gravity may be.
        { "200;2;10;50000;65;11\n", 6, "Schwere" },
        { "200;2;10;nan;65;1\n", 4, "Gesamtfeld" },
    };
    for (const auto &[row, column, name] : bad) {
        SCOPED_TRACE(row);
        for (int step : { 1, 5 }) {
            const StationImport got = imported(heading + good + row + good, step);
            ASSERT_TRUE(got.fault);
            EXPECT_EQ(got.fault->row, 3);
            EXPECT_EQ(got.fault->column, column);
            EXPECT_NE(got.fault->message.find("Zeile 3"), std::string::npos)
                << got.fault->message;
            EXPECT_NE(got.fault->message.find(name), std::string::npos) << got.fault->message;
            EXPECT_TRUE(got.survey.empty());
            EXPECT_TRUE(got.fieldReadings.empty());
        }
    }
    // The edges themselves are readings.
    const StationImport edges = imported(heading + "100;1;10;1000000;-90;0,001\n");
    ASSERT_FALSE(edges.fault) << edges.fault->message;
    EXPECT_EQ(edges.fieldReadings.size(), 1u);

    // A column chosen by number that holds the depth, and a named one not there.
    MappingRequest taken;
    taken.readings[Gravity].number = 1;
    const StationImport twice = imported(heading + good, 1, taken);
    ASSERT_TRUE(twice.fault);
    EXPECT_NE(twice.fault->message.find("Teufe"), std::string::npos) << twice.fault->message;
    MappingRequest missing;
    missing.readings[TotalField].name = "Bt";
    const StationImport absent = imported(heading + good, 1, missing);
    ASSERT_TRUE(absent.fault);
    EXPECT_NE(absent.fault->message.find("Bt"), std::string::npos) << absent.fault->message;
    // By number, its heading notwithstanding, and without any heading at all.
    MappingRequest numbered;
    numbered.readings[TotalField].number = 4;
    numbered.headerRow = 0;
    numbered.columns = { ColumnChoice { 1, {} }, ColumnChoice { 2, {} }, ColumnChoice { 3, {} } };
    const StationImport plain = imported("100;1;10;50123\n200;2;10;50124\n", 1, numbered);
    ASSERT_FALSE(plain.fault) << plain.fault->message;
    ASSERT_EQ(plain.fieldReadings.size(), 2u);
    EXPECT_EQ(*plain.fieldReadings[1].measured[TotalField], 50124);
    EXPECT_EQ(plain.fieldReadings[1].md, 200);
}
