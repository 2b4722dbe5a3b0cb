// The batch tool with --tie-in-row: a survey computed in one piece and exported, its CSV
// cut after a station in the middle, goes on from that station's row to the same end; the
// same file without the option is read as it always was; a first row that is no tie-in
// is refused with its message.
#include "core/cformat.h"
#include "tests/cli/clitool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace clitest;
using TieInRowCli = ToolTest;

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
    // A build and turn that drops off again, 30 m between stations.
    std::string survey;
    for (int i = 1; i <= 50; ++i)
        survey += cfmt("%d %.17g %.17g\n", 30 * i, i < 30 ? 1.3 * i : 37.7 - 0.9 * (i - 29),
            std::fmod(310.0 + 3.1 * i, 360.0));
    ASSERT_EQ(run("--stations - --export whole.csv", survey).status, 0) << file("err");
    const std::vector<Fields> table = csvLines(file("whole.csv"));
    const Fields &heading = table[0];
    const std::size_t md = columnOf(heading, "Teufe (m)"),
                      tvd = columnOf(heading, "Seigerteufe (m)"),
                      north = columnOf(heading, "Nord (m)"), east = columnOf(heading, "Ost (m)");
    // Row 1 is the surface, row 1 + i the i-th station: cut after the 23rd (690 m).
    const std::size_t from = 24;
    ASSERT_EQ(number(table[from][md]), 690.0);
    std::string cut, typed;
    for (std::size_t r = 0; r < table.size(); ++r) {
        if (r > 0 && r < from)
            continue;
        for (const std::string &field : table[r])
            cut += field + (&field == &table[r].back() ? "\r\n" : ",");
        if (r > 0)
            typed += table[r][md] + " " + table[r][columnOf(heading, "Neigung (°)")] + " "
                + table[r][columnOf(heading, "Azimut (°)")] + "\n";
    }
    write("cut.csv", cut);

    const Result part = run("cut.csv --tie-in-row --export part.csv");
    ASSERT_EQ(part.status, 0) << part.err;
    const std::vector<Fields> lower = csvLines(file("part.csv"));
    // The tie-in's row and every station below it, none twice, ending where the whole does.
    ASSERT_EQ(lower.size(), table.size() - from + 1);
    EXPECT_EQ(number(lower[1][md]), 690.0);
    for (std::size_t c : { tvd, north, east })
        EXPECT_NEAR(number(lower.back()[c]), number(table.back()[c]), 1e-6) << heading[c];
    // The first interval of the results table runs from the tie-in.
    EXPECT_NE(part.out.find("     690.0- 720.0"), std::string::npos) << part.out;

    // Without the option the rows are stations from the surface, as if typed so.
    ASSERT_EQ(run("--stations - --export typed.csv", typed).status, 0) << file("err");
    ASSERT_EQ(run("cut.csv --export legacy.csv").status, 0) << file("err");
    EXPECT_EQ(file("legacy.csv"), file("typed.csv"));
    EXPECT_GT(
        std::abs(number(csvLines(file("legacy.csv")).back()[north]) - number(table.back()[north])),
        1.0);
}

TEST_F(TieInRowCli, AFirstRowThatIsNoTieInIsRefused)
{
    // Without a heading the six columns are chosen by number.
    for (const char *first :
        { "1000;181;45;950;160;150\n", "-5;20;45;950;160;150\n", "1000;20;45;2e9;160;150\n" }) {
        SCOPED_TRACE(first);
        write("bad.csv", std::string(first) + "1030;21;46;978;170;160\n");
        const Result r = run("bad.csv --columns 1,2,3,4,5,6 --tie-in-row --export out.csv");
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.err.find("Zeile 1 ist kein gültiger Anschlusspunkt"), std::string::npos)
            << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_TRUE(file("out.csv").empty());
    }
    write("none.csv", "MD;Inc;Azi;TVD\n1000;20;45;950\n1030;21;46;978\n");
    const Result none = run("none.csv --tie-in-row");
    EXPECT_NE(none.status, 0);
    EXPECT_NE(none.err.find("es fehlt eine Spalte für Nord, Ost."), std::string::npos) << none.err;
    const Result both = run("none.csv --tie-in-row --tie-in 1000,950,0,0,20,45");
    EXPECT_EQ(both.status, 2);
    EXPECT_NE(both.err.find("schließen einander aus"), std::string::npos) << both.err;
}
