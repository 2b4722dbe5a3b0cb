// From tables to stations: headings in German and English, columns in any order, either
// decimal sign, feet, thinning; refused rows name row, column and text.
#include "core/cformat.h"
#include "exchange/delimitedtext.h"
#include "exchange/editorimport.h"
#include "exchange/stationmapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <random>

using namespace exchange;

namespace {

Table table(const std::string &text)
{
    const DelimitedRead read = readDelimited(text, Delimiter::Automatic);
    EXPECT_FALSE(read.fault);
    return read.table;
}

// The import keeps the numbers as the cells give them, in double precision; these tests
// once compared lines of two decimals of single-precision values.
using Stations = std::vector<well::Station>;

well::Station station(double depth, double inclination, double azimuth)
{
    return { depth, inclination, azimuth };
}

// A decimal text read as the C library reads it, for values independent of the import.
double parsed(const std::string &text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

} // namespace

TEST(Mapping, UsualHeadingsInGermanAndEnglish)
{
    const std::pair<const char *, int> cases[]
        = { { "Teufe", Depth }, { "Teufe [m]", Depth }, { "MD (ft)", Depth },
              { " Measured Depth ", Depth }, { "Teufe m", Depth }, { "DEPTH/ft", Depth },
              { "Inkl.", Inclination }, { "Neigung (°)", Inclination }, { "Inc", Inclination },
              { "Inclination deg", Inclination }, { "Azimut", Azimuth }, { "AZI", Azimuth },
              { "Azimuth [°]", Azimuth }, { "Bemerkung", -1 }, { "", -1 }, { "Nord", -1 } };
    for (const auto &[heading, meaning] : cases)
        EXPECT_EQ(meaningOfHeading(heading), meaning) << heading;
    for (const char *feet : { "MD [ft]", "Depth (feet)", "Teufe/Fuß", "Teufe (FUSS)", "MD ft" })
        EXPECT_TRUE(headingNamesFeet(feet)) << feet;
    for (const char *metres : { "Teufe [m]", "Teufe", "Shift", "Lift" })
        EXPECT_FALSE(headingNamesFeet(metres)) << metres;
}

TEST(Mapping, NumbersTakeOnlyTheChosenDecimalSign)
{
    const Cell commaCells[] = { { "12,5", false }, { " -0,5e2 ", false }, { "7", false } };
    EXPECT_EQ(cellNumber(commaCells[0], DecimalSign::Comma), 12.5);
    EXPECT_EQ(cellNumber(commaCells[1], DecimalSign::Comma), -50.0);
    EXPECT_EQ(cellNumber(commaCells[2], DecimalSign::Point), 7.0);
    EXPECT_FALSE(cellNumber(commaCells[0], DecimalSign::Point));
    for (const char *bad : { "1.234,5", "12 m", "", "-", ",", "1e", "0x10", "nan", "1,2,3" })
        EXPECT_FALSE(cellNumber(Cell { bad, false }, DecimalSign::Comma)) << bad;
    // A spreadsheet's numeric cell always uses the point, whatever the text cells do.
    EXPECT_EQ(cellNumber(Cell { "1.5E-3", true }, DecimalSign::Comma), 0.0015);
}

TEST(Mapping, AnyLayoutGivesTheSameStations)
{
    // Random surveys written with title rows, a heading in a random row, the columns in a
    // random order among other columns, with either decimal sign and in metres or feet;
    // the stations must be the values written, the depth in feet converted.
    std::mt19937 random(7);
    const char *headings[3][3] = { { "Teufe", "MD [ft]", "Measured Depth" },
        { "Neigung", "Inc", "INKL" }, { "Azimut", "Azi", "Azimuth (°)" } };
    for (int round = 0; round < 60; ++round) {
        const bool comma = round % 2 == 0;
        const bool feet = round % 3 == 0;
        const int titles = static_cast<int>(random() % 4);
        std::vector<int> order = { 0, 1, 2, 3 }; // 3: a remark column
        std::shuffle(order.begin(), order.end(), random);
        const char delimiter = comma ? ';' : ',';
        auto number = [&](double v) {
            std::string text = cfmt("%.3f", v);
            if (comma)
                std::replace(text.begin(), text.end(), '.', ',');
            return text;
        };

        std::string text;
        for (int t = 0; t < titles; ++t)
            text += t == 1 ? std::string("\n") : "Bohrung " + std::to_string(round) + "\n";
        // Appended piece by piece: GCC 12 at -O3 takes "a" + b for an overlapping copy.
        for (size_t i = 0; i < order.size(); ++i) {
            if (i)
                text += delimiter;
            text += order[i] == 3 ? "Bemerkung" : headings[order[i]][random() % 3];
        }
        text += "\n";
        Stations expected;
        double depth = 0;
        const int stations = 1 + static_cast<int>(random() % 30);
        for (int s = 0; s < stations; ++s) {
            depth += 1 + (random() % 100000) / 1000.0;
            const double inc = (random() % 90000) / 1000.0;
            const double azi = (random() % 360000) / 1000.0;
            const double values[] = { depth, inc, azi };
            for (size_t i = 0; i < order.size(); ++i) {
                if (i)
                    text += delimiter;
                text += order[i] == 3 ? std::string("gut") : number(values[order[i]]);
            }
            text += "\n";
            // What the cells hold is the three-decimal text; a depth in feet within an ulp
            // of its exact length in metres (checked below).
            expected.push_back(station(
                parsed(cfmt("%.3f", depth)), parsed(cfmt("%.3f", inc)), parsed(cfmt("%.3f", azi))));
        }

        MappingRequest request;
        request.unit = feet ? DepthUnit::Feet : DepthUnit::Metres;
        const StationImport import = importStations(table(text), request);
        ASSERT_FALSE(import.fault) << text << import.fault->message;
        EXPECT_EQ(import.mapping.headerRow, titles) << text;
        EXPECT_EQ(import.mapping.decimal, comma ? DecimalSign::Comma : DecimalSign::Point);
        const Stations &got = import.survey.stations();
        ASSERT_EQ(got.size(), expected.size()) << text;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].inclination, expected[i].inclination) << text;
            EXPECT_EQ(got[i].azimuth, expected[i].azimuth) << text;
            if (feet)
                EXPECT_NEAR(got[i].md, expected[i].md * 0.3048, 1e-15 * expected[i].md) << text;
            else
                EXPECT_EQ(got[i].md, expected[i].md) << text;
        }
    }
}

TEST(Mapping, ColumnsByNumberByNameAndWithoutHeading)
{
    const Table plain = table("100 1 2\n200 3 4\n");
    EXPECT_EQ(importStations(plain, {}).survey.stations(),
        (Stations { station(100, 1, 2), station(200, 3, 4) }));

    MappingRequest byNumber;
    byNumber.columns = { ColumnChoice { 3, {} }, ColumnChoice { 1, {} }, ColumnChoice { 2, {} } };
    EXPECT_EQ(importStations(plain, byNumber).survey.stations(),
        (Stations { station(2, 100, 1), station(4, 200, 3) }));

    // "AZI" is no heading here, but it is a usual name of the azimuth.
    const Table named = table("Azimut;MD;Inc;Tiefe\n10;100;1;5\n");
    MappingRequest byName;
    byName.columns
        = { ColumnChoice { 0, "md" }, ColumnChoice { 0, "INC" }, ColumnChoice { 0, "AZI" } };
    EXPECT_EQ(importStations(named, byName).survey.stations(), Stations { station(100, 1, 10) });
    byName.columns[0].name = "Tiefe";
    EXPECT_EQ(importStations(named, byName).survey.stations(), Stations { station(5, 1, 10) });

    MappingRequest twice;
    twice.columns[0].number = twice.columns[2].number = 2;
    ASSERT_TRUE(importStations(plain, twice).fault);
    // The column is named by its letter too, as the preview heads it.
    EXPECT_EQ(importStations(plain, twice).fault->message,
        "Die Spalte 2 (B) ist für Teufe und Azimut gewählt.");

    MappingRequest wrongHeading;
    wrongHeading.headerRow = 2;
    const StationImport missing = importStations(named, wrongHeading);
    ASSERT_TRUE(missing.fault);
    EXPECT_EQ(missing.fault->message,
        "In der Kopfzeile 2 fehlt eine Spalte für: Teufe, Neigung, Azimut.");
}

TEST(Mapping, ARefusedRowNamesRowColumnAndTextAndKeepsNothing)
{
    const Table bad = table("Titel\nMD;Inc;Azi\n100;1;2\n200;x1;4\n");
    const StationImport import = importStations(bad, {});
    ASSERT_TRUE(import.fault);
    EXPECT_TRUE(import.survey.empty());
    EXPECT_EQ(import.fault->row, 4);
    EXPECT_EQ(import.fault->column, 2);
    EXPECT_EQ(import.fault->text, "x1");
    EXPECT_EQ(import.fault->message, "Zeile 4, Spalte 2 (B): „x1“ ist keine Zahl für Neigung.");

    const StationImport empty = importStations(table("MD;Inc;Azi\n100;1;2\n200;;4\n"), {});
    ASSERT_TRUE(empty.fault);
    EXPECT_EQ(empty.fault->message, "Zeile 3, Spalte 2 (B): die Zelle für Neigung ist leer.");

    // Rows whose chosen cells are all empty are gaps, not faults.
    const StationImport gaps
        = importStations(table("MD;Inc;Azi;Note\n100;1;2\n;;;x\n\n200;3;4\n"), {});
    ASSERT_FALSE(gaps.fault);
    EXPECT_EQ(gaps.survey.size(), 2u);
}

TEST(Mapping, ThinsLikeTheFileReaders)
{
    std::string text = "MD;Inc;Azi\n";
    for (int i = 1; i <= 12; ++i)
        text += std::to_string(i * 10) + ";1;2\n";
    MappingRequest request;
    request.step = 5;
    const StationImport import = importStations(table(text), request);
    EXPECT_EQ(import.records, 12);
    EXPECT_EQ(import.survey.stations(),
        (Stations { station(10, 1, 2), station(50, 1, 2), station(100, 1, 2) }));
    EXPECT_EQ(import.status(), "3 Zeilen wurden eingelesen");
}

TEST(Mapping, TheDialogStateTakesOrAddsTheStations)
{
    LineEditor state;
    state.m_Eingabe = { "  300.00   1.00   2.00" };
    state.m_ListEingabe = state.m_Eingabe;
    state.m_Info = { "alt" };
    state.m_Format = 0;
    const StationImport import = importStations(table("MD;Inc;Azi\n200;1;2\n100;3;4\n"), {});
    LineEditor added = state;
    takeImportedStations(state, import, "Bohrung 9");
    const StringList lines = { "  200.00     1.00     2.00", "  100.00     3.00     4.00" };
    EXPECT_EQ(state.m_Eingabe, lines) << "table order, in the written form of a station";
    EXPECT_EQ(state.m_ListEingabe, (StringList { lines[1], lines[0] }));
    EXPECT_TRUE(state.m_Info.empty());
    EXPECT_EQ(state.m_Name, "Bohrung 9");
    EXPECT_EQ(state.m_Format, 0) << "the format choice stays";
    EXPECT_EQ(state.m_bGeaendert, 1);

    addImportedStations(added, import);
    EXPECT_EQ(added.m_ListEingabe.size(), 3u);
    EXPECT_EQ(added.m_Eingabe, added.m_ListEingabe);
    EXPECT_EQ(added.m_Info, StringList { "alt" });
}
