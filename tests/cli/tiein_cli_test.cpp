// The batch tool with --tie-in as a user calls it: a survey split at a station and its
// lower part run from the upper part's exported last station ends where the whole survey
// ends; a WITSML trajectory's tie-in point is taken and can be replaced; the tie-in is
// saved with the document; refused values and stations above the tie-in give their
// German message and status.
#include "core/cformat.h"
#include "tests/cli/clitool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace clitest;
using TieInCli = ToolTest;

// A build from vertical to 40 degrees while turning, 30 m between stations.
std::vector<std::array<double, 3>> buildSurvey()
{
    std::vector<std::array<double, 3>> out;
    for (int i = 1; i <= 60; ++i)
        out.push_back({ 30.0 * i, std::min(40.0, 1.1 * i), std::fmod(95.0 + 2.5 * i, 360.0) });
    return out;
}

std::string linesOf(const std::vector<std::array<double, 3>> &stations, std::size_t from = 0)
{
    std::string text;
    for (std::size_t i = from; i < stations.size(); ++i)
        text += cfmt("%.17g %.17g %.17g\n", stations[i][0], stations[i][1], stations[i][2]);
    return text;
}

// The column of the exported CSV named `heading`, row by row.
std::vector<double> column(const std::vector<Fields> &csv, const std::string &heading)
{
    std::vector<double> out;
    const auto at = std::find(csv[0].begin(), csv[0].end(), heading) - csv[0].begin();
    EXPECT_LT(static_cast<std::size_t>(at), csv[0].size()) << heading;
    for (std::size_t r = 1; r < csv.size(); ++r)
        out.push_back(number(csv[r][static_cast<std::size_t>(at)]));
    return out;
}

} // namespace

TEST_F(TieInCli, TheLowerPartFromTheUpperPartsLastStationEndsWhereTheWholeSurveyEnds)
{
    const auto stations = buildSurvey();
    ASSERT_EQ(run("--stations - --export whole.csv", linesOf(stations)).status, 0);
    const std::vector<Fields> whole = csvLines(file("whole.csv"));
    // Station 40 lies at 1200 m; the row after the surface row.
    const std::size_t split = 39;
    ASSERT_EQ(number(whole[split + 2][0]), 1200.0);
    const Fields &at = whole[split + 2];
    const std::vector<double> md = column(whole, "Teufe (m)"),
                              tvd = column(whole, "Seigerteufe (m)"),
                              north = column(whole, "Nord (m)"), east = column(whole, "Ost (m)");
    const std::size_t k = split + 1;
    const std::string tieIn = cfmt("%.17g,%.17g,%.17g,%.17g,%s,%s", md[k], tvd[k], north[k],
        east[k], at[1].c_str(), at[2].c_str());
    const Result part
        = run("--stations - --export part.csv --tie-in " + tieIn, linesOf(stations, split + 1));
    ASSERT_EQ(part.status, 0) << part.err;
    const std::vector<Fields> lower = csvLines(file("part.csv"));
    ASSERT_EQ(lower.size(), whole.size() - split - 1) << "the tie-in row and the stations below";
    EXPECT_EQ(number(lower[1][0]), 1200.0);
    EXPECT_NEAR(column(lower, "Seigerteufe (m)").back(), tvd.back(), 1e-6);
    EXPECT_NEAR(column(lower, "Nord (m)").back(), north.back(), 1e-6);
    EXPECT_NEAR(column(lower, "Ost (m)").back(), east.back(), 1e-6);
    // The results table begins with the interval from the tie-in, and its last line is
    // the whole survey's last line.
    const Result wholeTable = run("--stations -", linesOf(stations));
    EXPECT_NE(part.out.find("    1200.0-1230.0"), std::string::npos) << part.out;
    const auto lastLine = [](const std::string &text) {
        const std::size_t end = text.find_last_not_of('\n');
        return text.substr(text.rfind('\n', end) + 1, end - text.rfind('\n', end));
    };
    EXPECT_EQ(lastLine(part.out), lastLine(wholeTable.out));
}

TEST_F(TieInCli, TheTieInIsSavedWithTheDocumentAndOverridesAFilesOwn)
{
    const std::string stations = "1230 12 140\n1260 14 141\n1290 15 143\n";
    const Result given
        = run("--stations - --tie-in 1200,1190.5,-4.65,0.92,11,139 --save a.dvn", stations);
    ASSERT_EQ(given.status, 0) << given.err;
    // The saved document computes the same without the option.
    const Result saved = run("a.dvn");
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, given.out);
    // Another tie-in on the command line wins over the stored one: north moves by 10 m.
    ASSERT_EQ(run("a.dvn --tie-in 1200,1190.5,5.35,0.92,11,139 --export moved.csv").status, 0);
    ASSERT_EQ(run("a.dvn --export stored.csv").status, 0);
    const std::vector<double> moved = column(csvLines(file("moved.csv")), "Nord (m)"),
                              stored = column(csvLines(file("stored.csv")), "Nord (m)");
    ASSERT_EQ(moved.size(), 4u);
    ASSERT_EQ(stored.size(), 4u);
    for (std::size_t i = 0; i < moved.size(); ++i)
        EXPECT_NEAR(moved[i] - stored[i], 10.0, 1e-9);
    EXPECT_EQ(stored.front(), -4.65);
}

TEST_F(TieInCli, AWitsmlTrajectorysTieInPointIsWhereTheSurveyBegins)
{
    write("t.xml",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<trajectorys xmlns=\"http://www.witsml.org/schemas/1series\" version=\"1.4.1.1\">\n"
        "  <trajectory uidWell=\"w\" uidWellbore=\"wb\" uid=\"t\">\n"
        "    <nameWell>Anschluss 2</nameWell>\n"
        "    <trajectoryStation uid=\"s0\"><typeTrajStation>tie in point</typeTrajStation>"
        "<md uom=\"m\">500</md><tvd uom=\"m\">498</tvd><incl uom=\"dega\">0</incl>"
        "<azi uom=\"dega\">0</azi><dispNs uom=\"m\">-4.65</dispNs><dispEw uom=\"m\">0.92</dispEw>"
        "</trajectoryStation>\n"
        "    <trajectoryStation uid=\"s1\"><typeTrajStation>MWD</typeTrajStation>"
        "<md uom=\"m\">600</md><incl uom=\"dega\">0</incl><azi uom=\"dega\">0</azi>"
        "</trajectoryStation>\n"
        "  </trajectory>\n</trajectorys>\n");
    ASSERT_EQ(run("t.xml --export t.csv").status, 0) << file("err");
    const std::vector<Fields> csv = csvLines(file("t.csv"));
    ASSERT_EQ(csv.size(), 3u);
    // A vertical hole: 100 m further down, still beside the slot where the file put it.
    EXPECT_EQ(column(csv, "Seigerteufe (m)"), (std::vector<double> { 498, 598 }));
    EXPECT_EQ(column(csv, "Nord (m)"), (std::vector<double> { -4.65, -4.65 }));
    EXPECT_EQ(column(csv, "Ost (m)"), (std::vector<double> { 0.92, 0.92 }));
}

TEST_F(TieInCli, RefusedValuesAndStationsAboveTheTieIn)
{
    for (const char *bad : { "1200,1150,0,0,12", "1200,1150,0,0,12,140,1", "-1,0,0,0,0,0",
             "1200,1150,0,0,181,140", "1200,1150,0,0,12,360.5", "1200,x,0,0,12,140" }) {
        SCOPED_TRACE(bad);
        const Result r = run(std::string("--stations - --tie-in ") + bad, "1300 12 140\n");
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("--tie-in erwartet"), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    const Result above
        = run("--stations - --tie-in 1200,1150,0,0,12,140", "1100 12 140\n1300 13 141\n");
    EXPECT_EQ(above.status, 1);
    EXPECT_NE(above.err.find("Die 1.Teufe 1100 liegt nicht unter dem Anschlusspunkt bei 1200 m."),
        std::string::npos)
        << above.err;
    const Result interpolated
        = run("--stations - --tie-in 1200,1150,0,0,12,140 --interpolate 900", "1300 13 141\n");
    EXPECT_EQ(interpolated.status, 1);
    EXPECT_NE(interpolated.err.find("über dem Anschlusspunkt"), std::string::npos)
        << interpolated.err;
}
