// Delimited text: fields written the RFC 4180 way come back as they were, whatever the
// delimiter and character set; the delimiter is found; bad and huge input is refused.
#include "core/win1252.h"
#include "exchange/delimitedtext.h"

#include <gtest/gtest.h>

#include <random>

using namespace exchange;

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows texts(const Table &table)
{
    Rows rows;
    for (const auto &row : table.rows) {
        rows.emplace_back();
        for (const Cell &cell : row)
            rows.back().push_back(cell.text);
    }
    return rows;
}

// Writes `rows` as a spreadsheet program would: a field is quoted when it holds the
// delimiter, a quote, a line end, or (blank-separated) a blank or nothing at all.
std::string write(const Rows &rows, char delimiter, bool blanks)
{
    std::string out;
    for (const auto &row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            const std::string &f = row[i];
            const bool quote
                = f.find_first_of(std::string("\"\r\n") + delimiter) != std::string::npos
                || (blanks && (f.empty() || f.find_first_of(" \t") != std::string::npos));
            if (i > 0)
                out += blanks ? std::string("  ") : std::string(1, delimiter);
            if (!quote) {
                out += f;
                continue;
            }
            out += '"';
            for (char c : f)
                out += c == '"' ? std::string("\"\"") : std::string(1, c);
            out += '"';
        }
        out += "\r\n";
    }
    return out;
}

} // namespace

TEST(Delimited, QuotedFieldsSurviveEveryDelimiter)
{
    // Random fields from an alphabet full of trouble: every delimiter, quotes, line
    // ends, blanks, an umlaut and digits with either decimal sign.
    const std::vector<std::string> alphabet
        = { "a", "b", "1", ",", ";", "\t", " ", "\"", "\n", "\r", "ä", ".", "9" };
    std::mt19937 random(11);
    const std::pair<Delimiter, char> delimiters[] = { { Delimiter::Semicolon, ';' },
        { Delimiter::Comma, ',' }, { Delimiter::Tab, '\t' }, { Delimiter::Blanks, ' ' } };
    for (int round = 0; round < 300; ++round) {
        const auto [delimiter, c] = delimiters[round % 4];
        Rows rows(1 + random() % 6);
        const size_t columns = 2 + random() % 4;
        for (auto &row : rows) {
            for (size_t i = 0; i < columns; ++i) {
                std::string field;
                for (int n = static_cast<int>(random() % 6); n > 0; --n)
                    field += alphabet[random() % alphabet.size()];
                row.push_back(field);
            }
        }
        const std::string text = write(rows, c, delimiter == Delimiter::Blanks);
        const DelimitedRead read = readDelimited(text, delimiter);
        ASSERT_FALSE(read.fault) << text;
        EXPECT_EQ(texts(read.table), rows) << "round " << round << ":\n" << text;
    }
}

TEST(Delimited, FindsTheDelimiterThatSplitsTheRowsAlike)
{
    const std::pair<const char *, Delimiter> cases[] = {
        { "Teufe;Neigung;Azimut\n30,0;0,46;123,68\n60,0;0,50;120,88\n", Delimiter::Semicolon },
        { "MD,Inc,Azi\n30.0,0.46,123.68\n60,0.5,120.88\n", Delimiter::Comma },
        { "\"30,0\",\"0,46\",\"123,68\"\n\"60,0\",\"0,5\",\"120,88\"\n", Delimiter::Comma },
        { "MD\tInc\tAzi\n30.0\t0.46\t123.68\n", Delimiter::Tab },
        { "Bohrung 7\n   30.0    0.46   123.68\n   60.0    0.50   120.88\n", Delimiter::Blanks },
        { "Teufe; Neigung; Azimut\n30,0; 0,46; 123,68\n", Delimiter::Semicolon },
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(detectDelimiter(text), expected) << text;
}

TEST(Delimited, EveryCharacterSetGivesTheSameCells)
{
    const std::string utf8 = "Teufe;Neigung (\xC2\xB0);Bemerkung\n1;2;S\xC3\xBC"
                             "d \xE2\x82\xAC\n";
    std::string utf16 = "\xFF\xFE";
    for (unsigned char c : std::string("Teufe;Neigung (\xB0);Bemerkung\n1;2;S\xFC"
                                       "d \x80\n")) {
        const char32_t cp = win1252::toCodePoint(c);
        utf16 += static_cast<char>(cp & 0xFF);
        utf16 += static_cast<char>(cp >> 8);
    }
    const std::string windows = "Teufe;Neigung (\xB0);Bemerkung\n1;2;S\xFC"
                                "d \x80\n";
    const Rows expected = { { "Teufe", "Neigung (°)", "Bemerkung" }, { "1", "2", "Süd €" } };
    for (const std::string &bytes : { utf8, "\xEF\xBB\xBF" + utf8, windows, utf16 }) {
        const DelimitedRead read = readDelimited(decodeText(bytes), Delimiter::Automatic);
        EXPECT_EQ(read.delimiter, Delimiter::Semicolon);
        EXPECT_EQ(texts(read.table), expected);
    }
}

TEST(Delimited, EmptyLinesKeepTheRowNumbersAndAnOpenQuoteIsRefused)
{
    const DelimitedRead read = readDelimited("Titel\n\n\nMD;Inc;Azi\n1;2;3", Delimiter::Semicolon);
    ASSERT_EQ(read.table.rows.size(), 5u);
    EXPECT_TRUE(read.table.rows[1].empty());
    EXPECT_TRUE(read.table.rows[2].empty());
    EXPECT_EQ(read.table.rows[4][2].text, "3");

    const DelimitedRead open = readDelimited("MD;Inc\n1;2\n\"3;4\n5;6\n", Delimiter::Semicolon);
    ASSERT_TRUE(open.fault);
    EXPECT_EQ(open.fault->row, 3);
    EXPECT_NE(open.fault->message.find("Zeile 3"), std::string::npos);
}

TEST(Delimited, StaysWithinItsBounds)
{
    // A field longer than any number keeps its beginning only; columns beyond the last
    // kept one are passed over.
    std::string wide = std::string(100000, 'x') + ";1";
    for (int i = 0; i < kMaxColumns + 50; ++i)
        wide += ";7";
    const DelimitedRead read = readDelimited(wide, Delimiter::Semicolon);
    ASSERT_FALSE(read.fault);
    ASSERT_EQ(read.table.rows.size(), 1u);
    EXPECT_EQ(read.table.rows[0].size(), static_cast<size_t>(kMaxColumns));
    EXPECT_EQ(read.table.rows[0][0].text.size(), kMaxCellCharacters);

    // The bound counts characters: a cell cut in the middle of none, quoted or not.
    std::string umlauts, kept;
    for (size_t i = 0; i < 3 * kMaxCellCharacters; ++i)
        umlauts += "ä";
    for (size_t i = 0; i < kMaxCellCharacters; ++i)
        kept += "ä";
    const DelimitedRead cut
        = readDelimited(umlauts + ";1\n\"" + umlauts + "\";2\n", Delimiter::Semicolon);
    ASSERT_FALSE(cut.fault);
    EXPECT_EQ(texts(cut.table), (Rows { { kept, "1" }, { kept, "2" } }));

    std::string rows;
    for (int i = 0; i < kMaxRows; ++i)
        rows += "1;2;3\n";
    EXPECT_FALSE(readDelimited(rows, Delimiter::Semicolon).fault) << "exactly the limit";
    rows += "1;2;3\n";
    const DelimitedRead tooMany = readDelimited(rows, Delimiter::Automatic);
    ASSERT_TRUE(tooMany.fault);
    EXPECT_NE(tooMany.fault->message.find("zu groß"), std::string::npos);
}
