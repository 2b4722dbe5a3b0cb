// The batch tool's listings as a user calls them: every bundled example at a 10 m step
// against an independent minimum-curvature path, stations reproduced, every crossing of
// a true vertical depth, and the faults and their exit status.
#include "core/cformat.h"
#include "core/scriptedprompter.h"
#include "core/survey.h"
#include "document/docfile.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"
#include "tests/support/rotatedtangent.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Outcome
{
    int status = -1;
    std::string out, err;
};

std::string slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

using Row = std::vector<std::string>;

std::vector<Row> csvRows(const std::string &bytes)
{
    std::vector<Row> rows;
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2) {
        Row row;
        std::stringstream line(bytes.substr(from, end - from));
        for (std::string field; std::getline(line, field, ',');)
            row.push_back(field);
        rows.push_back(row);
    }
    EXPECT_EQ(from, bytes.size()) << "every line ends with CR LF";
    return rows;
}

double number(const std::string &text)
{
    double value = NAN;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

class ListingCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char templ[] = "/tmp/dravon-listing-test-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        dir = templ;
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    Outcome run(const std::string &args, const std::string &input = {})
    {
        std::ofstream(dir + "/stdin", std::ios::binary) << input;
        const std::string cmd
            = "cd '" + dir + "' && '" DRAVON_CLI "' " + args + " <stdin >stdout 2>stderr";
        const int raw = std::system(cmd.c_str());
        Outcome r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(dir + "/stdout");
        r.err = slurp(dir + "/stderr");
        return r;
    }

    std::vector<Row> listing(const std::string &name) { return csvRows(slurp(dir + "/" + name)); }

    std::string dir;
};

struct Example
{
    const char *file;
    int format;
    const char *option;
};

const Example kExamples[] = {
    { "deviated-well.txt", FreiesFormat, "" },
    { "vertical-well.txt", FreiesFormat, "" },
    { "survey.weg", WegFormat, "--format weg" },
    { "export.atk", AtkFormat, "--format atk" },
    { "example.dvn", -1, "" },
};

// The station lines as the batch tool takes them, read here through the libraries.
StringList stationLines(const Example &e)
{
    const std::string path = DRAVON_SOURCE_DIR "/examples/" + std::string(e.file);
    if (e.format < 0) {
        DocumentItems items;
        std::string message;
        EXPECT_TRUE(readDocumentFile(path, e.file, items, message)) << message;
        return items.m_Eingabe;
    }
    const MeasurementRead read = readMeasurement(readMeasurementFile(path).lines, e.format, 1);
    EXPECT_TRUE(read.faults.empty());
    return read.stations;
}

const std::string kUpward
    = "100 0 0\n200 30 90\n300 60 90\n400 85 90\n500 100 90\n600 120 90\n700 140 90\n";

} // namespace

TEST_F(ListingCli, EveryExampleAtATenMetreStepFollowsTheArcsAndKeepsTheStations)
{
    for (const Example &e : kExamples) {
        SCOPED_TRACE(e.file);
        SurveyData s;
        ScriptedPrompter p;
        s.m_Eingabe = stationLines(e);
        s.messwerte(p);
        ASSERT_GT(s.m_MaxWerte, 10);
        std::vector<double> md, inc, azi;
        for (int i = 0; i < s.m_MaxWerte; ++i) {
            md.push_back(s.m_Teufe[i]);
            inc.push_back(s.m_Phi[i]);
            azi.push_back(s.m_Theta[i]);
        }
        const rotated::Path path(md, inc, azi);

        const std::string input
            = std::string(e.option) + " '" DRAVON_SOURCE_DIR "/examples/" + e.file + "'";
        const Outcome plain = run(input);
        const Outcome step = run(input + " --every-md 10 --listing l.csv");
        ASSERT_EQ(step.status, 0) << step.err;
        EXPECT_EQ(step.out, plain.out) << "the results table does not change";
        EXPECT_EQ(step.err, plain.err);
        ASSERT_EQ(run(input + " --listing stations.csv").status, 0);

        const std::vector<Row> rows = listing("l.csv"), stations = listing("stations.csv");
        ASSERT_EQ(stations.size(), md.size() + 1);
        const double last = md.back();
        const std::size_t expected = static_cast<std::size_t>(std::floor(last / 10.0)) + 1
            + (std::fmod(last, 10.0) != 0.0 ? 1 : 0);
        ASSERT_EQ(rows.size(), expected + 1);
        EXPECT_EQ(rows[0][0], "Teufe (m)");
        EXPECT_EQ(rows[0][3], "Seigerteufe (m)");

        std::size_t stationRows = 0;
        for (std::size_t k = 1; k < rows.size(); ++k) {
            const Row &row = rows[k];
            ASSERT_EQ(row.size(), 13u);
            const double at = number(row[0]);
            const rotated::Vec want = path.at(at);
            EXPECT_NEAR(number(row[3]), want.d, 1e-6) << row[0];
            EXPECT_NEAR(number(row[4]), want.n, 1e-6) << row[0];
            EXPECT_NEAR(number(row[5]), want.e, 1e-6) << row[0];
            for (std::size_t i = 1; i < stations.size(); ++i) {
                if (stations[i][0] == row[0]) {
                    // At a station's depth the row is that station's, to the last digit.
                    EXPECT_EQ(Row(row.begin(), row.end() - 1),
                        Row(stations[i].begin(), stations[i].end() - 1));
                    ++stationRows;
                }
            }
        }
        EXPECT_GE(stationRows, 2u) << "the first and the last station at least";

        // The station rows carry the results table's own values: each table row shows
        // the listing's depth, true vertical depth, north and east at its printed digits.
        std::vector<std::string> table;
        std::stringstream out(plain.out);
        for (std::string line; std::getline(out, line);)
            if (line.size() > 70 && line[10] == '-')
                table.push_back(line);
        ASSERT_EQ(table.size(), stations.size() - 2);
        for (std::size_t i = 0; i < table.size(); ++i) {
            const Row &st = stations[i + 2];
            EXPECT_EQ(table[i].substr(11, 6), cfmt("%6.1f", number(st[0])));
            EXPECT_EQ(table[i].substr(35, 8), cfmt("%8.2f", number(st[3])));
            EXPECT_EQ(table[i].substr(53, 7), cfmt("%7.2f", number(st[4])));
            EXPECT_EQ(table[i].substr(61, 8), cfmt("%8.2f", number(st[5])));
        }
    }
}

TEST_F(ListingCli, AWellThatTurnsUpwardListsEveryCrossing)
{
    const Outcome r
        = run("--stations - --at-tvd 290 --at-md 300 --at-md 250 --listing l.csv", kUpward);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(run("--stations - --listing stations.csv", kUpward).status, 0);
    const std::vector<Row> rows = listing("l.csv"), stations = listing("stations.csv");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1][12], "Teufe 250 m");
    EXPECT_EQ(rows[2][12], "Teufe 300 m");
    EXPECT_EQ(
        Row(rows[2].begin(), rows[2].end() - 1), Row(stations[4].begin(), stations[4].end() - 1))
        << "a station's depth gives that station";
    for (int k : { 3, 4 }) {
        EXPECT_EQ(rows[k][12], "Seigerteufe 290 m");
        EXPECT_EQ(rows[k][3], "290.000000");
    }
    EXPECT_LT(number(rows[3][0]), 400.0) << "on the way down";
    EXPECT_GT(number(rows[4][0]), 500.0) << "on the way up again";
    EXPECT_LT(number(rows[3][1]), 90.0);
    EXPECT_GT(number(rows[4][1]), 90.0);
}

TEST_F(ListingCli, FeetAndTheSectionAzimuth)
{
    const std::string stations = "100 0 0\n200 10 45\n300 20 90\n";
    const Outcome r = run(
        "--stations - --unit ft --section-azimuth 90 --every-md 250 --listing l.csv", stations);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<Row> rows = listing("l.csv");
    ASSERT_EQ(rows.size(), 1u + 5u) << "0, 250, 500, 750 ft and the last station at 984.25 ft";
    EXPECT_EQ(rows[0][8], "Vertikalschnitt bei 90.00° (ft)");
    EXPECT_EQ(rows[5][0], "984.251969");
    EXPECT_EQ(rows[5][8], rows[5][5]) << "due east the section is the east offset";
    EXPECT_EQ(rows[2][12], "Raster 250 ft");
}

TEST_F(ListingCli, DepthsTheHoleNeverReachesAndBadOptions)
{
    const std::string stations = "100 0 0\n200 10 45\n300 20 90\n";
    const Outcome plain = run("--stations -", stations);
    const Outcome r = run("--stations - --at-tvd 500 --at-md 200 --listing l.csv", stations);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, plain.out);
    EXPECT_EQ(r.err,
        plain.err
            + "dravon-cli: Die Seigerteufe 500 m wird von der Bohrung nicht erreicht "
              "(Seigerteufe 0.00 bis 296.25 m).\n");
    EXPECT_EQ(listing("l.csv").size(), 2u) << "the other request still gives its row";

    EXPECT_EQ(run("--stations - --at-md 400 --listing l.csv", stations).status, 1);
    EXPECT_EQ(run("--stations - --at-md 200", stations).status, 2) << "a request needs --listing";
    EXPECT_EQ(run("--stations - --listing l.txt", stations).status, 2);
    EXPECT_EQ(run("--stations - --listing l.csv --unit yd", stations).status, 2);
    EXPECT_EQ(run("--stations - --listing l.csv --every-md 0", stations).status, 2);
    EXPECT_EQ(run("--stations - --listing l.csv --at-tvd 1,5", stations).status, 2);
    EXPECT_EQ(run("--stations - --listing l.csv --section-azimuth 361", stations).status, 2);
    const Outcome unwritable = run("--stations - --listing /no/such/folder/l.csv", stations);
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("Die Liste /no/such/folder/l.csv kann nicht geschrieben werden."),
        std::string::npos);
}
