// The stations of a table import as numbers: every digit a cell holds arrives, a depth in
// feet becomes its length in metres to the last bit, and only what the results table's
// single precision cannot hold is refused. Expected values come from std::from_chars and
// from decimal arithmetic on the digits, never from the import's own conversion.
#include "core/cformat.h"
#include "core/cscan.h"
#include "exchange/delimitedtext.h"
#include "exchange/stationmapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

using namespace exchange;

namespace {

// The C library's reading of a number (which takes no plus sign and only the point).
double fromChars(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    if (text.starts_with('+'))
        text.erase(0, 1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

StationImport import(const std::string &text, const MappingRequest &request = {},
    Delimiter delimiter = Delimiter::Automatic)
{
    const DelimitedRead read = readDelimited(text, delimiter);
    EXPECT_FALSE(read.fault);
    return importStations(read.table, request);
}

// Distance in units in the last place.
std::int64_t ulps(double a, double b)
{
    std::int64_t x = 0, y = 0;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return std::abs(x - y);
}

} // namespace

TEST(TypedImport, FeetInStepsOfOneFootAreExactMultiplesOfAFootInMetres)
{
    // 0 to 30000 ft, one station per foot; the heading names the unit.
    constexpr int kFeet = 30000;
    std::string text = "MD (ft);Inc;Azi\n";
    for (int k = 0; k <= kFeet; ++k)
        text += std::to_string(k) + ";1;2\n";
    const StationImport feet = import(text);
    ASSERT_FALSE(feet.fault) << feet.fault->message;
    EXPECT_EQ(feet.mapping.unit, DepthUnit::Feet);
    const std::vector<well::Station> &stations = feet.survey.stations();
    ASSERT_EQ(stations.size(), static_cast<size_t>(kFeet + 1));
    int exact = 0;
    for (int k = 0; k <= kFeet; ++k) {
        // k * 0.3048 m written out in decimal digits: k * 3048 ten-thousandths.
        const std::string digits = std::to_string(static_cast<long long>(k) * 3048);
        const std::string metres = digits.size() > 4
            ? digits.substr(0, digits.size() - 4) + "." + digits.substr(digits.size() - 4)
            : "0." + std::string(4 - digits.size(), '0') + digits;
        const double want = fromChars(metres);
        const double md = stations[static_cast<size_t>(k)].md;
        ASSERT_LE(ulps(md, want), 1) << k << " ft: " << md << " against " << metres;
        exact += md == want;

        // The written form reads back as the same numbers, and keeps every digit that
        // two decimals would lose.
        const std::string line = well::stationText(stations[static_cast<size_t>(k)]);
        double d = 0, i = 0, a = 0;
        ASSERT_TRUE(cscan::readStation(line, d, i, a)) << line;
        ASSERT_EQ(d, md) << line;
        ASSERT_EQ(i, 1.0);
        ASSERT_EQ(a, 2.0);
    }
    EXPECT_EQ(exact, kFeet + 1) << "the nearest double each time, not merely within an ulp";
    EXPECT_EQ(well::stationText(stations[1]), "  0.3048     1.00     2.00");
    EXPECT_EQ(well::stationText(stations[3]), "  0.9144     1.00     2.00");
}

TEST(TypedImport, RandomRowsGiveTheDoublesFromCharsGives)
{
    // Numbers of every shape a cell may hold: up to seventeen significant digits, signs,
    // exponents, leading and trailing zeros, either decimal sign; blanks around them.
    std::mt19937_64 random(11);
    auto anyNumber = [&](char separator) {
        std::string text;
        if (random() % 4 == 0)
            text += random() % 2 ? "-" : "+";
        const int whole = static_cast<int>(random() % 8);
        for (int i = 0; i < whole; ++i)
            text += static_cast<char>('0' + random() % 10);
        if (whole == 0 || random() % 3 != 0) {
            text += separator;
            const int decimals = 1 + static_cast<int>(random() % 10);
            for (int i = 0; i < decimals; ++i)
                text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 6 == 0)
            text += cfmt("e%d", static_cast<int>(random() % 40) - 20);
        return text;
    };
    for (const char separator : { '.', ',' }) {
        const char delimiter = separator == ',' ? ';' : ',';
        std::string text = "Teufe;Neigung;Azimut\n";
        std::replace(text.begin(), text.end(), ';', delimiter);
        std::vector<std::array<std::string, 3>> rows(2000);
        for (auto &row : rows) {
            for (size_t m = 0; m < 3; ++m) {
                row[m] = anyNumber(separator);
                text += (m ? std::string(1, delimiter) : std::string()) + (m == 1 ? " " : "")
                    + row[m] + (m == 2 ? "\t " : "");
            }
            text += "\r\n";
        }
        MappingRequest request;
        request.decimal = separator == ',' ? DecimalSign::Comma : DecimalSign::Point;
        request.unit = DepthUnit::Metres;
        const StationImport got
            = import(text, request, separator == ',' ? Delimiter::Semicolon : Delimiter::Comma);
        ASSERT_FALSE(got.fault) << got.fault->message;
        ASSERT_EQ(got.survey.size(), rows.size());
        for (size_t r = 0; r < rows.size(); ++r) {
            const well::Station &s = got.survey.stations()[r];
            EXPECT_EQ(s.md, fromChars(rows[r][0])) << rows[r][0];
            EXPECT_EQ(s.inclination, fromChars(rows[r][1])) << rows[r][1];
            EXPECT_EQ(s.azimuth, fromChars(rows[r][2])) << rows[r][2];
        }
    }
}

TEST(TypedImport, OnlyWhatSinglePrecisionCannotHoldIsTooLarge)
{
    // The largest float is about 3.4028235e38: a value that rounds to it is taken, one
    // beyond is refused with its cell, and so is a depth that only its conversion from
    // feet makes too large.
    const StationImport largest = import("MD;Inc;Azi\n3.4028235e38;1;2\n");
    ASSERT_FALSE(largest.fault) << largest.fault->message;
    EXPECT_EQ(largest.survey.stations()[0].md, 3.4028235e38) << "not rounded to single precision";

    const StationImport beyond = import("MD;Inc;Azi\n1;2;3\n4;3.5e38;6\n");
    ASSERT_TRUE(beyond.fault);
    EXPECT_TRUE(beyond.survey.empty());
    EXPECT_EQ(beyond.fault->row, 3);
    EXPECT_EQ(beyond.fault->column, 2);
    EXPECT_EQ(beyond.fault->text, "3.5e38");
    EXPECT_EQ(beyond.fault->message, "Zeile 3, Spalte 2 (B): „3.5e38“ ist zu groß für Neigung.");

    // The bound is on the depth in metres, which the results table gets.
    MappingRequest feet;
    feet.unit = DepthUnit::Feet;
    const StationImport shrunk = import("MD;Inc;Azi\n5e38;1;2\n", feet);
    ASSERT_FALSE(shrunk.fault) << shrunk.fault->message;
    EXPECT_NEAR(shrunk.survey.stations()[0].md, 1.524e38, 1e23);
    const StationImport metres = import("MD;Inc;Azi\n5e38;1;2\n");
    ASSERT_TRUE(metres.fault);
    EXPECT_EQ(metres.fault->message, "Zeile 2, Spalte 1 (A): „5e38“ ist zu groß für Teufe.");
}

namespace {

// Everything an import decides and gives, for comparing two ways to the same result.
void expectSameImport(const StationImport &a, const StationImport &b, const std::string &what)
{
    ASSERT_EQ(a.fault.has_value(), b.fault.has_value()) << what;
    if (a.fault) {
        EXPECT_EQ(a.fault->message, b.fault->message) << what;
        EXPECT_EQ(a.fault->row, b.fault->row) << what;
        EXPECT_EQ(a.fault->column, b.fault->column) << what;
        EXPECT_EQ(a.fault->text, b.fault->text) << what;
    }
    EXPECT_EQ(a.survey, b.survey) << what;
    EXPECT_EQ(a.records, b.records) << what;
    EXPECT_EQ(a.mapping.columns, b.mapping.columns) << what;
    EXPECT_EQ(a.mapping.headerRow, b.mapping.headerRow) << what;
    EXPECT_EQ(a.mapping.firstDataRow, b.mapping.firstDataRow) << what;
    EXPECT_EQ(a.mapping.decimal, b.mapping.decimal) << what;
    EXPECT_EQ(a.mapping.unit, b.mapping.unit) << what;
}

} // namespace

TEST(TypedImport, ALongTableGivesWithoutItsTableWhatTheWholeTableGives)
{
    // The import without a table decides from the first rows and converts the rest as it
    // splits them. Tables around and beyond that many rows, with quoted cells, titles,
    // a heading far down, bad cells early and late, and texts that are refused as a whole
    // after a bad cell, must give exactly what the whole table gives.
    std::mt19937 random(23);
    for (int round = 0; round < 40; ++round) {
        const bool comma = round % 2 == 1;
        const char delimiter = comma ? ';' : ',';
        const int rows = std::vector<int> { 1999, 2000, 2001, 2600, 5000 }[random() % 5];
        // Rows before the heading: a few titles, now and then more than the first rows
        // (the delimiter and decimal sign are then given: they are looked for in the
        // first rows only).
        const bool far = round % 7 == 3;
        const int before
            = far ? 2100 + static_cast<int>(random() % 50) : static_cast<int>(random() % 4);
        const bool heading = round % 5 != 4;
        const int badRow = round % 3 == 0 ? static_cast<int>(random() % (rows + before)) : -1;
        const bool openQuote = round % 9 == 8;

        std::string text;
        for (int t = 0; t < before; ++t)
            text += t % 2 ? std::string("\n") : cfmt("Titel%d\n", t);
        if (heading)
            text += cfmt("Bemerkung%cMD [%s]%cInc%cAzi\n", delimiter, round % 4 ? "m" : "ft",
                delimiter, delimiter);
        for (int r = 0; r < rows; ++r) {
            auto number = [&](double v) {
                std::string cell = cfmt("%.3f", v);
                if (comma)
                    std::replace(cell.begin(), cell.end(), '.', ',');
                return random() % 10 == 0 ? "\"" + cell + "\"" : cell;
            };
            const int line = before + (heading ? 1 : 0) + r;
            text += random() % 20 == 0 ? "\"a \"\"b\"\"\"" : "x";
            text += delimiter + number(r * 1.5);
            text += delimiter + (line == badRow ? std::string("1O") : number((r % 900) / 10.0));
            text += delimiter + number((r * 7) % 3600 / 10.0);
            text += r % 50 == 7 ? "\r\n" : "\n";
        }
        if (openQuote)
            text += "\"offen\n";

        MappingRequest request;
        request.step = std::vector<int> { 1, 2, 5, 10 }[random() % 4];
        Delimiter given = Delimiter::Automatic;
        if (far) {
            given = comma ? Delimiter::Semicolon : Delimiter::Comma;
            request.decimal = comma ? DecimalSign::Comma : DecimalSign::Point;
        }
        const std::string what
            = cfmt("round %d: %d rows after %d, bad row %d", round, rows, before, badRow);
        Delimiter used = Delimiter::Automatic;
        const StationImport streamed = importDelimitedStations(text, given, request, &used);
        const DelimitedRead read = readDelimited(text, given);
        EXPECT_EQ(used, read.delimiter) << what;
        StationImport whole;
        if (read.fault)
            whole.fault = read.fault;
        else
            whole = importStations(read.table, request);
        expectSameImport(streamed, whole, what);
        // The cases happened as meant: a text refused as a whole, or a clean survey.
        if (openQuote) {
            EXPECT_TRUE(streamed.fault && streamed.fault->row > 0) << what;
        } else if (badRow < 0) {
            EXPECT_FALSE(streamed.fault) << what << streamed.fault->message;
            EXPECT_EQ(streamed.records, rows) << what;
        }
    }
}

TEST(TypedImport, TheRowLimitHoldsWithoutATable)
{
    // Exactly the limit is taken; one row more refuses the text, with the message of the
    // table's bounds.
    std::string text;
    text.reserve(static_cast<size_t>(kMaxRows + 1) * 6);
    for (int i = 0; i < kMaxRows; ++i)
        text += "1;2;3\n";
    const StationImport full = importDelimitedStations(text, Delimiter::Automatic, {});
    ASSERT_FALSE(full.fault) << full.fault->message;
    EXPECT_EQ(full.records, kMaxRows);
    EXPECT_EQ(full.survey.size(), static_cast<size_t>(kMaxRows));
    text += "1;2;3\n";
    const StationImport over = importDelimitedStations(text, Delimiter::Automatic, {});
    ASSERT_TRUE(over.fault);
    EXPECT_EQ(over.fault->message, tooLargeFault().message);
    EXPECT_TRUE(over.survey.empty());
}
