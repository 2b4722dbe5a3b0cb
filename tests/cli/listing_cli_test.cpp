// The batch tool's listings as a user calls them: every bundled example at a 10 m step
// against an independent minimum-curvature path with the stations reproduced, every
// crossing of a true vertical depth, and the faults with their exit status.
#include "core/cformat.h"
#include "tests/cli/clitool.h"

namespace {

using namespace clitest;
using Row = Fields;

Row values(const Row &row)
{
    return Row(row.begin(), row.end() - 1); // without the request
}

class ListingCli : public ToolTest
{
protected:
    int run(const std::string &args, const std::string &input = {}) { return exec(args, input); }
};

const std::string kUpward
    = "100 0 0\n200 30 90\n300 60 90\n400 85 90\n500 100 90\n600 120 90\n700 140 90\n";

} // namespace

TEST_F(ListingCli, EveryExampleAtATenMetreStepFollowsTheArcsAndKeepsTheStations)
{
    for (const Example &e : kExamples) {
        SCOPED_TRACE(e.file);
        const Stations st = stationsOf(e);
        const std::vector<double> &md = st.md;
        const rotated::Path independent(st.md, st.inc, st.azi);

        const std::string input = e.input();
        ASSERT_EQ(run(input), 0);
        const std::string table = file("out"), messages = file("err");
        ASSERT_EQ(run(input + " --every-md 10 --listing l.csv"), 0) << file("err");
        EXPECT_EQ(file("out"), table) << "the results table does not change";
        EXPECT_EQ(file("err"), messages);
        ASSERT_EQ(run(input + " --listing stations.csv"), 0);
        const std::vector<Row> rows = csvLines(file("l.csv")),
                               stations = csvLines(file("stations.csv"));
        ASSERT_EQ(stations.size(), md.size() + 1);
        ASSERT_EQ(
            rows.size(), 2 + std::floor(md.back() / 10.0) + (std::fmod(md.back(), 10.0) != 0.0));

        std::size_t stationRows = 0;
        for (std::size_t k = 1; k < rows.size(); ++k) {
            const rotated::Vec want = independent.at(number(rows[k][0]));
            EXPECT_NEAR(number(rows[k][3]), want.d, 1e-6) << rows[k][0];
            EXPECT_NEAR(number(rows[k][4]), want.n, 1e-6) << rows[k][0];
            EXPECT_NEAR(number(rows[k][5]), want.e, 1e-6) << rows[k][0];
            for (std::size_t i = 1; i < stations.size(); ++i) {
                if (stations[i][0] == rows[k][0]) {
                    EXPECT_EQ(values(rows[k]), values(stations[i]))
                        << "a station's row to the last digit";
                    ++stationRows;
                }
            }
        }
        EXPECT_GE(stationRows, 2u) << "the first and the last station at least";

        // Each row of the results table shows the station listing's depth, true
        // vertical depth, north and east at its printed digits.
        std::stringstream out(table);
        std::size_t i = 2;
        for (std::string line; std::getline(out, line);) {
            if (line.size() < 70 || line[10] != '-')
                continue;
            ASSERT_LT(i, stations.size());
            const Row &st = stations[i++];
            // The table computes from the stations in single precision, the exports
            // from the stations as entered: the two agree to the table's printed digits,
            // give or take the rounding of its last digit.
            EXPECT_NEAR(paddedNumber(line.substr(11, 6)), number(st[0]), 0.05 + 1e-3);
            EXPECT_NEAR(paddedNumber(line.substr(35, 8)), number(st[3]), 0.005 + 1e-3);
            EXPECT_NEAR(paddedNumber(line.substr(53, 7)), number(st[4]), 0.005 + 1e-3);
            EXPECT_NEAR(paddedNumber(line.substr(61, 8)), number(st[5]), 0.005 + 1e-3);
        }
        EXPECT_EQ(i, stations.size());
    }
}

TEST_F(ListingCli, EveryCrossingOfAWellThatTurnsUpwardAndDepthsItNeverReaches)
{
    ASSERT_EQ(run("--stations - --listing stations.csv", kUpward), 0);
    const std::string table = file("out"), messages = file("err");
    EXPECT_EQ(
        run("--stations - --at-tvd 290 --at-tvd 400 --at-md 300 --listing l.csv", kUpward), 1);
    EXPECT_EQ(file("out"), table);
    EXPECT_EQ(file("err"),
        messages
            + "dravon-cli: Die Seigerteufe 400 m wird von der Bohrung nicht erreicht "
              "(Seigerteufe 0.00 bis 295.23 m).\n");
    const std::vector<Row> rows = csvLines(file("l.csv")),
                           stations = csvLines(file("stations.csv"));
    ASSERT_EQ(rows.size(), 4u) << "the requests that can be met still give their rows";
    EXPECT_EQ(values(rows[1]), values(stations[4])) << "a station's depth gives that station";
    EXPECT_EQ(rows[1][12], "Teufe 300 m");
    for (int k : { 2, 3 }) {
        EXPECT_EQ(rows[k][12], "Seigerteufe 290 m");
        // Every digit of the computed depth now, as --export writes numbers, where six
        // fixed decimals ("290.000000") hid the last bits of the crossing's search.
        EXPECT_NEAR(number(rows[k][3]), 290.0, 1e-9);
    }
    EXPECT_LT(number(rows[2][1]), 90.0) << "on the way down";
    EXPECT_GT(number(rows[3][1]), 90.0) << "on the way up again";

    EXPECT_EQ(run("--stations - --at-md 700.01 --listing l.csv", kUpward), 1);
    for (const char *bad : { "--at-md 200", "--listing l.txt", "--listing l.csv --unit yd",
             "--listing l.csv --every-md 0", "--listing l.csv --at-tvd 1,5",
             "--listing l.csv --section-azimuth 361", "--listing /no/such/folder/l.csv" })
        EXPECT_EQ(run(std::string("--stations - ") + bad, kUpward), 2) << bad;
    EXPECT_NE(file("err").find("Die Liste /no/such/folder/l.csv kann nicht geschrieben werden."),
        std::string::npos);
}

TEST_F(ListingCli, SectionViewIsPlottedAlongTheAzimuthThatApplies)
{
    const std::string well = "'" DRAVON_SOURCE_DIR "/examples/deviated-well.txt'";
    ASSERT_EQ(run(well), 0);
    const std::string table = file("out");
    ASSERT_EQ(run("--view section --plot s.svg " + well), 0) << file("err");
    EXPECT_EQ(file("out"), table) << "the results table does not change";
    const std::string svg = file("s.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    // The automatic azimuth is the direction of the final displacement, as the table
    // shows it in its last line.
    const std::string last = table.substr(table.rfind(':', table.size() - 2) + 1);
    std::string automatic = cfmt("%.1f", number(last.substr(last.find_first_not_of(' '))));
    automatic.replace(automatic.find('.'), 1, ",");
    EXPECT_NE(svg.find("Vertikalschnitt Azimut " + automatic), std::string::npos) << automatic;
    EXPECT_NE(svg.find("Vertikalschnitt (m)"), std::string::npos);

    // The command line wins over the document, the document over the automatic choice.
    DocumentItems doc;
    doc.m_Eingabe = { "100 0 0", "200 45 30", "1000 45 30" };
    doc.m_Settings.sectionAzimuth = 75.0;
    std::ofstream(dir + "/w.dvn", std::ios::binary) << encodeDocument(doc);
    ASSERT_EQ(run("--view section --unit ft --plot d.svg --listing d.csv w.dvn"), 0);
    EXPECT_NE(file("d.svg").find("Vertikalschnitt Azimut 75,0"), std::string::npos);
    EXPECT_NE(file("d.svg").find("Vertikalschnitt (ft)"), std::string::npos);
    EXPECT_NE(file("d.csv").find("Vertikalschnitt bei 75.00"), std::string::npos);
    ASSERT_EQ(run("--view section --section-azimuth 12.5 --plot d.svg w.dvn"), 0);
    EXPECT_NE(file("d.svg").find("Vertikalschnitt Azimut 12,5"), std::string::npos);

    EXPECT_EQ(run("--view front " + well), 2);
    // The message names every view, the 3D view and the neighbours' pictures too.
    EXPECT_NE(file("err").find("--view erwartet side, top, section, 3d, ladder oder cylinder"),
        std::string::npos);
}
