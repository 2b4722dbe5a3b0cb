// The results table on screen in English: the heading and the remarks through the
// program's catalogue, the rows of numbers exactly as computed, the columns of numbers
// under headings of the same width; in German every line as the table holds it. The
// table itself, the results file and the printed pages stay German.
#include "guifixture.h"

#include "document/resultsfile.h"
#include "i18n/qt/catalogue.h"
#include "textview/dravonview.h"
#include "well/computation.h"
#include "well/tabletext.h"

#include <QRegularExpression>

#include <algorithm>
#include <cctype>

namespace {

well::Well wellOf(const std::string &name, const StringList &lines)
{
    well::Well w;
    w.name = name;
    w.survey = well::surveyFromLines(lines);
    return w;
}

// Tables of the real computation with every kind of line it writes: straight intervals
// ("no curvature"), a turn of 90 degrees or more that ends the run, a long bent survey.
std::vector<StringList> computedTables()
{
    std::vector<StringList> tables;
    tables.push_back(well::compute(
        wellOf("GERADE 1", { "0 0 0", "100 0 0", "250 0 0", "400 3 45", "600 3 45", "900 12 80" }))
                         .table);
    tables.push_back(
        well::compute(wellOf("Knick", { "100 0 0", "200 5 40", "300 120 0", "400 1 1" })).table);
    StringList bent;
    for (int i = 0; i <= 60; ++i)
        bent.push_back(std::to_string(i * 30) + " " + std::to_string(i) + " "
            + std::to_string((i * 17) % 360));
    tables.push_back(well::compute(wellOf("", bent)).table);
    return tables;
}

// The remarks of the interpolation and of equal depths as the batch tool writes them below
// the table, and a results file read back: every remark of several lines in lines of its
// own.
StringList remarkLines()
{
    const well::Computation c = well::compute(wellOf("", { "0 0 0", "500 20 30", "900 35 40" }));
    StringList lines = c.table;
    lines.push_back(well::germanText(well::interpolate(c, 712.5).diagnostic));
    lines.push_back(well::germanText({ well::Message::EqualDepths, { 3, 1234.5, 1234.5 }, {} }));
    lines.push_back(
        well::germanText({ well::Message::DoglegTooLarge, { 2345.67, 123.45, 6.7 }, {} }));
    return decodeResults(encodeResults("TITEL", lines));
}

// A row of numbers: digits and what printf writes around them.
bool isNumberRow(const std::string &line)
{
    static const QRegularExpression row(QStringLiteral("^[-+0-9. :einaf]*$"));
    return !line.empty() && row.match(QString::fromStdString(line)).hasMatch()
        && std::any_of(line.begin(), line.end(), [](char c) { return std::isdigit(c); });
}

// The numbers of a line, in their order.
QStringList numbersOf(const std::string &line)
{
    static const QRegularExpression number(QStringLiteral("-?\\d+(\\.\\d+)?"));
    QStringList found;
    for (auto it = number.globalMatch(QString::fromStdString(line)); it.hasNext();)
        found << it.next().captured();
    return found;
}

// German words of the table's heading and remarks; none may be left in English.
const QRegularExpression &germanWord()
{
    static const QRegularExpression words(QStringLiteral(
        "\\b(TEUFE\\w*|BERECHNUNG|ABKNICKUNG|UND|DER|DEM|NACH|SCHMIEG\\w*|KREIS|SEIGER|"
        "VERLUST|NORD|SUED|OST|GESAMT|ABWEICHUNG|GRAD|JE|KEINE|KRUEMMUNG|VON|BIS|ABBRUCH|"
        "bei|Grad|Die|ist|gleich|vorangehenden|ERGEBNISSE|Bohrlochteufe|Vertikale|Teufe|"
        "Gesamtabweichung|Azimut)\\b"));
    return words;
}

// The blank-separated words of a line as [first, end) character columns.
std::vector<std::pair<int, int>> wordSpans(const std::string &line)
{
    std::vector<std::pair<int, int>> spans;
    for (int i = 0; i < static_cast<int>(line.size());) {
        if (line[static_cast<size_t>(i)] == ' ') {
            ++i;
            continue;
        }
        const int start = i;
        while (i < static_cast<int>(line.size()) && line[static_cast<size_t>(i)] != ' ')
            ++i;
        spans.emplace_back(start, i);
    }
    return spans;
}

bool overlapsAny(std::pair<int, int> span, const std::vector<std::pair<int, int>> &others)
{
    return std::any_of(others.begin(), others.end(),
        [&](auto o) { return span.first < o.second && o.first < span.second; });
}

StringList shown(const StringList &table)
{
    StringList out;
    for (const std::string &line : table)
        out.push_back(well::shownTableLine(line));
    return out;
}

class EnglishTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        guiApp();
        ASSERT_TRUE(i18nqt::install(i18n::Language::English));
    }
    void TearDown() override { i18nqt::install(i18n::Language::German); }
};

} // namespace

TEST_F(EnglishTable, TheRowsStayAndEveryOtherLineIsEnglish)
{
    std::vector<StringList> tables = computedTables();
    tables.push_back(remarkLines());
    int remarks = 0;
    for (const StringList &german : tables) {
        const StringList english = shown(german);
        ASSERT_GT(german.size(), 6u);
        ASSERT_EQ(english.size(), german.size());
        for (size_t i = 0; i < german.size(); ++i) {
            const std::string &g = german[i];
            const std::string &e = english[i];
            EXPECT_FALSE(QString::fromStdString(e).contains(germanWord())) << e;
            if (isNumberRow(g) || g.find_first_not_of(' ') == std::string::npos) {
                EXPECT_EQ(e, g);
                continue;
            }
            // A remark keeps its numbers, also the width they were written in.
            EXPECT_EQ(numbersOf(e), numbersOf(g)) << g << " -> " << e;
            if (g.find("KRUEMMUNG") != std::string::npos) {
                ++remarks;
                EXPECT_NE(e.find("NO CURVATURE"), std::string::npos) << e;
            }
        }
    }
    EXPECT_GE(remarks, 2);
    // Each computed table is headed in English, the name above it as entered.
    for (const StringList &german : computedTables()) {
        const StringList english = shown(german);
        ASSERT_GT(german.size(), 6u) << german.size();
        EXPECT_EQ(english[0], german[0]);
        EXPECT_NE(std::find(english.begin(), english.end(),
                      well::shownTableLine(well::columnHeading()[0])),
            english.end());
    }
}

TEST_F(EnglishTable, TheColumnHeadingStandsOverTheSameColumns)
{
    // Each English heading line is as wide as the German one, its words stand where German
    // words stood, and no German word is left without an English one over its place: the
    // columns of numbers below keep their headings.
    for (std::string_view german : well::columnHeading()) {
        const std::string g(german);
        const std::string e = well::shownTableLine(german);
        EXPECT_NE(e, g);
        EXPECT_EQ(e.size(), g.size()) << e;
        const auto gs = wordSpans(g);
        const auto es = wordSpans(e);
        for (auto span : es)
            EXPECT_TRUE(overlapsAny(span, gs)) << e << " at " << span.first;
        for (auto span : gs)
            EXPECT_TRUE(overlapsAny(span, es)) << g << " at " << span.first;
    }
}

TEST_F(EnglishTable, ARemarkOfSeveralLinesIsTranslatedWholeOrLineByLine)
{
    const std::string abort
        = well::germanText({ well::Message::DoglegTooLarge, { 2345.67, 123.45, 6.7 }, {} });
    ASSERT_NE(abort.find('\n'), std::string::npos);
    const std::string whole = well::shownTableLine(abort);
    EXPECT_EQ(std::count(whole.begin(), whole.end(), '\n'), 1);
    EXPECT_EQ(numbersOf(whole), numbersOf(abort));
    // The same lines one by one, as a results file read back holds them.
    const StringList lines = decodeResults(abort);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(well::shownTableLine(lines[0]) + "\n" + well::shownTableLine(lines[1]), whole);
}

TEST_F(EnglishTable, GermanShowsEveryByteAsTheTableHoldsIt)
{
    std::vector<StringList> tables = computedTables();
    tables.push_back(remarkLines());
    i18n::setLanguage(i18n::Language::German); // the English catalogue stays installed
    for (const StringList &table : tables) {
        EXPECT_EQ(shown(table), table);
        const well::ShownTable view = well::ShownTable::inLanguageSpoken(table);
        EXPECT_FALSE(view.translated());
        std::string buffer;
        for (size_t i = 0; i < table.size(); ++i)
            EXPECT_EQ(&view.line(i, buffer), &table[i]);
    }
}

// ---- the desktop program ----

class EnglishTextView : public ShellTest
{
protected:
    EnglishTextView() { i18nqt::install(i18n::Language::English); }
    ~EnglishTextView() override { i18nqt::install(i18n::Language::German); }
};

TEST_F(EnglishTextView, ShowsTheEnglishHeadingAndPrintsAndWritesGerman)
{
    enterData({ "100 0 0", "200 0 0", "400 5 40", "700 20 45" });
    CDravonView *view = frame->textView();
    ASSERT_NE(view, nullptr);
    view->resize(900, 600);
    view->show();
    settle();
    const StringList &table = doc->resultsTable();
    ASSERT_GT(table.size(), 6u);
    // What the view painted, row by row.
    view->viewport()->repaint();
    const auto [first, last] = view->paintedRows();
    ASSERT_EQ(first, 0);
    ASSERT_GE(last, static_cast<int>(table.size()) - 1);
    bool heading = false;
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        const std::string line = view->shownLine(i);
        heading = heading || line.find("NORTH(+)") != std::string::npos;
        EXPECT_FALSE(QString::fromStdString(line).contains(germanWord())) << line;
        if (isNumberRow(table[size_t(i)])) {
            EXPECT_EQ(line, table[size_t(i)]);
        }
    }
    EXPECT_TRUE(heading);
    // The table the document writes and prints is German, as always.
    EXPECT_NE(
        std::find(table.begin(), table.end(), std::string(well::columnHeading()[0])), table.end());
    const std::string bytes = encodeResults("x", table);
    EXPECT_NE(bytes.find("NORD(+)"), std::string::npos);
    EXPECT_EQ(bytes.find("NORTH"), std::string::npos);
    // The English heading is no wider than the German one: the view needs no more room.
    const int extent = view->scrollExtent().cx;
    i18nqt::install(i18n::Language::German);
    doc->UpdateAllViews();
    settle();
    EXPECT_EQ(view->shownLine(2), table[2]);
    EXPECT_EQ(view->scrollExtent().cx, extent);
}
