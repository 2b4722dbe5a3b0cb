// The batch tool with --tie-in-row: a survey computed in one piece and exported, its CSV
// cut after a station in the middle, goes on from that station's row to the same end; the
// same file without the option is read as it always was; a first row at the surface
// stays a station; a first row that is no tie-in is refused with its message.
#include "core/cformat.h"
#include "tests/cli/clitool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace clitest;
using TieInRowCli = ToolTest;

// A build and turn that drops off again, 30 m between stations.
std::string surveyLines()
{
    std::string text;
    for (int i = 1; i <= 50; ++i) {
        const double inclination = i < 30 ? 1.3 * i : 37.7 - 0.9 * (i - 29);
        text += cfmt("%d %.17g %.17g\n", 30 * i, inclination, std::fmod(310.0 + 3.1 * i, 360.0));
    }
    return text;
}

// The text's lines (CR LF or LF), without their ends.
std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The heading line and the lines from `from` (from 1: the first row below the heading).
std::string cut(const std::vector<std::string> &lines, std::size_t from)
{
    std::string text = lines[0] + "\r\n";
    for (std::size_t i = from; i < lines.size(); ++i)
        text += lines[i] + "\r\n";
    return text;
}

std::size_t columnOf(const Fields &heading, const std::string &name)
{
    const auto at = static_cast<std::size_t>(
        std::find(heading.begin(), heading.end(), name) - heading.begin());
    EXPECT_LT(at, heading.size()) << name;
    return at;
}

} // namespace

TEST_F(TieInRowCli, ACutExportGoesOnFromItsFirstRowToTheEndOfTheWholeSurvey)
{
    ASSERT_EQ(run("--stations - --export whole.csv", surveyLines()).status, 0) << file("err");
    const std::string whole = file("whole.csv");
    const std::vector<std::string> lines = linesOf(whole);
    const std::vector<Fields> table = csvLines(whole);
    ASSERT_GT(table.size(), 40u);
    // Row 1 is the surface, row 1 + i the i-th station: cut after the 23rd (690 m).
    const std::size_t from = 24;
    const std::size_t md = columnOf(table[0], "Teufe (m)"),
                      tvd = columnOf(table[0], "Seigerteufe (m)"),
                      north = columnOf(table[0], "Nord (m)"), east = columnOf(table[0], "Ost (m)");
    ASSERT_EQ(number(table[from][md]), 690.0);
    write("cut.csv", cut(lines, from));

    const Result part = run("cut.csv --tie-in-row --export part.csv");
    ASSERT_EQ(part.status, 0) << part.err;
    const std::vector<Fields> lower = csvLines(file("part.csv"));
    // The tie-in's row and every station below it, none twice.
    ASSERT_EQ(lower.size(), table.size() - from + 1);
    for (std::size_t r = 1; r < lower.size(); ++r) {
        SCOPED_TRACE(r);
        const Fields &got = lower[r], &want = table[from + r - 1];
        EXPECT_EQ(number(got[md]), number(want[md]));
        EXPECT_NEAR(number(got[tvd]), number(want[tvd]), 1e-6);
        EXPECT_NEAR(number(got[north]), number(want[north]), 1e-6);
        EXPECT_NEAR(number(got[east]), number(want[east]), 1e-6);
    }
    // The first interval of the results table runs from the tie-in.
    EXPECT_NE(part.out.find("     690.0- 720.0"), std::string::npos) << part.out;

    // Without the option the rows are stations from the surface, as lines typed so.
    std::string below;
    for (std::size_t r = from; r < table.size(); ++r)
        below += table[r][md] + " " + table[r][columnOf(table[0], "Neigung (°)")] + " "
            + table[r][columnOf(table[0], "Azimut (°)")] + "\n";
    ASSERT_EQ(run("--stations - --export typed.csv", below).status, 0) << file("err");
    const Result legacy = run("cut.csv --export legacy.csv");
    ASSERT_EQ(legacy.status, 0) << legacy.err;
    EXPECT_EQ(file("legacy.csv"), file("typed.csv"));
    EXPECT_GT(
        std::abs(number(csvLines(file("legacy.csv")).back()[north]) - number(table.back()[north])),
        1.0);

    // Feet: the depth unit applies to TVD, north and east as to the depth.
    ASSERT_EQ(run("--stations - --export whole-ft.csv --unit ft", surveyLines()).status, 0);
    write("cut-ft.csv", cut(linesOf(file("whole-ft.csv")), from));
    ASSERT_EQ(run("cut-ft.csv --tie-in-row --export part-ft.csv").status, 0) << file("err");
    const std::vector<Fields> fromFeet = csvLines(file("part-ft.csv"));
    ASSERT_EQ(fromFeet.size(), lower.size());
    EXPECT_NEAR(number(fromFeet.back()[tvd]), number(table.back()[tvd]), 1e-6);
    EXPECT_NEAR(number(fromFeet.back()[north]), number(table.back()[north]), 1e-6);
    EXPECT_NEAR(number(fromFeet.back()[east]), number(table.back()[east]), 1e-6);
}

TEST_F(TieInRowCli, ColumnsByNumberTheSurfaceRowAndTheThinning)
{
    // No heading: depth, inclination, azimuth, then east, north, TVD chosen by number.
    const std::string rows = "1000;20;45;150;160;950\n"
                             "1030;21;46;160;170;978\n"
                             "1060;22;47;170;180;1006\n"
                             "1090;23;48;180;190;1034\n";
    write("plain.csv", rows);
    const Result numbered = run("plain.csv --columns 1,2,3,6,5,4 --tie-in-row --export n.csv");
    ASSERT_EQ(numbered.status, 0) << numbered.err;
    const std::vector<Fields> out = csvLines(file("n.csv"));
    ASSERT_EQ(out.size(), 5u);
    const std::size_t tvd = columnOf(out[0], "Seigerteufe (m)"),
                      north = columnOf(out[0], "Nord (m)"), east = columnOf(out[0], "Ost (m)");
    EXPECT_EQ(number(out[1][tvd]), 950.0);
    EXPECT_EQ(number(out[1][north]), 160.0);
    EXPECT_EQ(number(out[1][east]), 150.0);
    // The next 30 m at about 20 degrees go down by less than 30 m and away from the slot.
    EXPECT_GT(number(out[2][tvd]) - 950.0, 27.0);
    EXPECT_LT(number(out[2][tvd]) - 950.0, 29.0);
    EXPECT_GT(number(out[2][north]), 160.0);

    // Every 2nd row: the tie-in stays, and so does the first station after it.
    ASSERT_EQ(
        run("plain.csv --columns 1,2,3,6,5,4 --tie-in-row --every 2 --export t.csv").status, 0)
        << file("err");
    const std::vector<Fields> thinned = csvLines(file("t.csv"));
    ASSERT_GE(thinned.size(), 3u);
    EXPECT_EQ(number(thinned[1][0]), 1000.0);
    EXPECT_EQ(number(thinned[2][0]), 1030.0);

    // A first row at the surface is the survey's first station; the file reads as it
    // would without the option.
    write("surface.csv", "MD;Inc;Azi;TVD;NS;EW\n0;0;0;0;0;0\n100;3;80;99.9;0.3;5.2\n");
    ASSERT_EQ(run("surface.csv --tie-in-row --export a.csv").status, 0) << file("err");
    ASSERT_EQ(run("surface.csv --export b.csv").status, 0) << file("err");
    EXPECT_EQ(file("a.csv"), file("b.csv"));
}

TEST_F(TieInRowCli, AFirstRowThatIsNoTieInIsRefused)
{
    const std::string heading = "MD;Inc;Azi;TVD;N;E\n";
    const std::string rest = "1030;21;46;978;170;160\n";
    for (const char *first : { "1000;181;45;950;160;150\n", "1000;20;361;950;160;150\n",
             "-5;20;45;950;160;150\n", "1000;20;45;2e9;160;150\n" }) {
        SCOPED_TRACE(first);
        write("bad.csv", heading + first + rest);
        const Result r = run("bad.csv --tie-in-row --export bad-out.csv");
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.err.find("Zeile 2 ist kein gültiger Anschlusspunkt"), std::string::npos)
            << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_TRUE(file("bad-out.csv").empty());
        // Without the option the same rows are no tie-in and nobody objects to them as one.
        EXPECT_EQ(run("bad.csv").err.find("Anschlusspunkt"), std::string::npos);
    }
    write("blank.csv", heading + "1000;20;45;950;;150\n" + rest);
    const Result blank = run("blank.csv --tie-in-row");
    EXPECT_NE(blank.status, 0);
    EXPECT_NE(
        blank.err.find("Zeile 2, Spalte 5 (E): die Zelle für Nord ist leer."), std::string::npos)
        << blank.err;
    write("none.csv", "MD;Inc;Azi;TVD\n1000;20;45;950\n" + rest);
    const Result none = run("none.csv --tie-in-row");
    EXPECT_NE(none.status, 0);
    EXPECT_NE(none.err.find("es fehlt eine Spalte für Nord, Ost."), std::string::npos) << none.err;
    const Result both = run("none.csv --tie-in-row --tie-in 1000,950,0,0,20,45");
    EXPECT_EQ(both.status, 2);
    EXPECT_NE(both.err.find("schließen einander aus"), std::string::npos) << both.err;
}
