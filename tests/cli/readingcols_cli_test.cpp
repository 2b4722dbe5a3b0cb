// The batch tool with a table's reading columns: a CSV whose Btotal column puts one station
// 500 nT off the typed reference field names that station alone in --survey-check, found
// by heading or chosen with --reading-columns; thinned with --every, only the stations kept
// are checked; a reading no tool can measure refuses the file with row and column; an
// empty --reading-columns is refused.
#include "tests/cli/clitool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace clitest;
using ReadingColumnsCli = ToolTest;

const std::string kReference = " --mag-field 50000 --mag-dip 65";

// Ten stations 100 m apart, readings near the reference; the one at 600 m is 500 nT off.
// The reading columns stand after a column the tool must pass over.
std::string survey(const std::string &heading)
{
    std::string text = "MD;Inc;Azi;Gamma;" + heading + "\n";
    for (int i = 1; i <= 10; ++i)
        text += std::to_string(100 * i) + ";" + std::to_string(2 * i) + ";45;80;"
            + std::to_string(i == 6 ? 50500 : 50000 + 10 * (i % 3)) + ";65,"
            + std::to_string(i % 2) + ";1,000" + std::to_string(i % 10) + "\n";
    return text;
}

// The depths of the rows of the --survey-check listing, and of those flagged.
struct Listing
{
    std::vector<double> depths;
    std::vector<double> flagged;
};

Listing listing(const std::string &csv)
{
    Listing out;
    const std::vector<Fields> rows = csvLines(csv);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        out.depths.push_back(number(rows[i][0]));
        if (rows[i].back() == "ja")
            out.flagged.push_back(number(rows[i][0]));
    }
    return out;
}

} // namespace

TEST_F(ReadingColumnsCli, TheStationOffTheReferenceAloneIsListed)
{
    write("byname.csv", survey("Btotal [nT];Dip;Gtotal [g]"));
    const Result r = run("byname.csv" + kReference + " --survey-check sc.csv");
    ASSERT_EQ(r.status, 0) << r.err;
    const Listing found = listing(file("sc.csv"));
    EXPECT_EQ(found.depths.size(), 10u);
    EXPECT_EQ(found.flagged, std::vector<double> { 600 });
    EXPECT_NE(r.err.find("Abweichung 500 nT"), std::string::npos) << r.err;

    // Headings that name nothing: the columns chosen by number, the dip and gravity left out (the gravity is in g).
    write("bynumber.csv", survey("F;D;G"));
    const Result numbered
        = run("bynumber.csv" + kReference + " --reading-columns 5,, --survey-check sn.csv");
    ASSERT_EQ(numbered.status, 0) << numbered.err;
    EXPECT_EQ(listing(file("sn.csv")).flagged, std::vector<double> { 600 });
    // Without the option the same file brings no readings, and the run is as before.
    const Result plain = run("bynumber.csv" + kReference + " --survey-check none.csv");
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_TRUE(listing(file("none.csv")).depths.empty());
    EXPECT_EQ(plain.out, numbered.out) << "the readings change no result";

    // Every fifth row: the stations kept are checked, the one at 600 m is not among them.
    const Result thinned = run("byname.csv" + kReference + " --every 5 --survey-check st.csv");
    ASSERT_EQ(thinned.status, 0) << thinned.err;
    const Listing kept = listing(file("st.csv"));
    EXPECT_EQ(kept.depths, (std::vector<double> { 100, 500, 1000 }));
    EXPECT_TRUE(kept.flagged.empty());
}

TEST_F(ReadingColumnsCli, AnImpossibleReadingOrAnEmptyChoiceIsRefused)
{
    std::string text = survey("Btotal;Dip;Gtotal");
    const std::string row = "400;8;45;80;50010;65,0;1,0004";
    const std::size_t at = text.find(row);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, row.size(), "400;8;45;80;50010;95;1,0004");
    write("bad.csv", text);
    const Result bad = run("bad.csv" + kReference + " --survey-check sc.csv");
    EXPECT_NE(bad.status, 0);
    EXPECT_NE(bad.err.find("Zeile 5"), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find("Inklination des Magnetfelds"), std::string::npos) << bad.err;
    EXPECT_TRUE(bad.out.empty()) << "no results from a refused table";

    write("good.csv", survey("Btotal;Dip;Gtotal"));
    for (const char *choice : { ",,", "1,2", "Btotal,,Dip,", "0,," }) {
        const Result refused = run(std::string("good.csv --reading-columns '") + choice + "'");
        EXPECT_EQ(refused.status, 2) << choice;
        EXPECT_NE(refused.err.find("--reading-columns"), std::string::npos) << refused.err;
    }
}
