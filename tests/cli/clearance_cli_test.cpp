// The batch tool's clearance scan: the ISCWSA clearance set's reference well and offset 01
// give the set's distances and separation factors in the --clearance file; a crossing
// offset gives exit status 3 and its notice, which a file that cannot be written (2)
// outranks; --every-md adds rows between the stations; --save keeps the offsets, and the
// saved document alone scans the same; the offset options refuse what they cannot place.
#include "tests/cli/clitool.h"

#include <algorithm>
#include <map>

namespace {

using namespace clitest;

const std::string kSet = DRAVON_SOURCE_DIR "/tests/data/clearance/";
// The set's inputs: ISCWSA MWD Rev 4 in its field, grid azimuths without convergence, and
// 36 in and 24 in of hole as the set converts them, with 3.281 ft to the metre.
const std::string kModel = " --error-model iscwsa-mwd-rev4 --mag-field 50000 --mag-dip 70"
                           " --declination 0 --north grid --grid-convergence 0";
const std::string kHole = " --hole " + std::to_string(36.0 / 12.0 / 3.281);
const std::string kOffsetHole = " --offset-hole " + std::to_string(24.0 / 12.0 / 3.281);

std::string setFile(const std::string &name)
{
    return "'" + kSet + name + "'";
}

// A clearance file's rows by heading.
struct Clearance
{
    std::vector<Fields> titles; // the rows above the heading
    Fields heading;
    std::vector<Fields> rows;

    double value(std::size_t row, const std::string &name) const
    {
        const auto it = std::find(heading.begin(), heading.end(), name);
        EXPECT_NE(it, heading.end()) << name;
        return number(rows[row][static_cast<std::size_t>(it - heading.begin())]);
    }
};

Clearance clearanceOf(const std::string &bytes)
{
    Clearance c;
    std::vector<Fields> lines = csvLines(bytes);
    // The heading is the first row that starts with the well's depth.
    const auto heading = std::find_if(lines.begin(), lines.end(),
        [](const Fields &f) { return !f.empty() && f.front() == "Teufe (m)"; });
    if (heading != lines.end()) {
        c.titles.assign(lines.begin(), heading);
        c.heading = *heading;
        c.rows.assign(heading + 1, lines.end());
    }
    return c;
}

// The set's expected rows: reference MD, offset MD, TVD, N, E, bearing, distance, both
// radii, hole term, factor.
std::vector<std::vector<double>> setRows(const std::string &name)
{
    std::vector<std::vector<double>> rows;
    std::string text = slurp(kSet + name);
    std::stringstream in(text);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::stringstream fields(line);
        rows.emplace_back();
        for (std::string f; std::getline(fields, f, ',');)
            rows.back().push_back(number(f));
    }
    return rows;
}

TEST_F(ToolTest, ClearanceFileAgreesWithTheIscwsaSet)
{
    const Result r = run(setFile("reference-well.csv") + kModel + kHole + " --offset "
        + setFile("offset-01.csv") + " --offset-position 0,100" + kOffsetHole
        + " --clearance c.csv");
    // Offset 01 comes to 1.40 at the bottom: a warning, not a crossing.
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(
        r.err.find("Nachbarbohrung offset-01: Trennfaktor 1.40 unter 1.50"), std::string::npos)
        << r.err;
    const Clearance c = clearanceOf(file("c.csv"));
    EXPECT_EQ(c.heading,
        (Fields { "Teufe (m)", "Nachbarbohrung", "Nachbar-Teufe (m)", "Nachbar-Seigerteufe (m)",
            "Nachbar-Nord (m)", "Nachbar-Ost (m)", "Richtung (°)", "Abstand (m)", "PCR Bezug (m)",
            "PCR Nachbar (m)", "Trennfaktor" }));
    // The neighbours' points are in the north of the course, which the file names.
    EXPECT_EQ(c.titles, (std::vector<Fields> { { "Nord und Ost bezogen auf", "Gitternord" } }));
    const auto expected = setRows("clearance-01.csv");
    ASSERT_EQ(c.rows.size(), expected.size());
    double worstDistance = 0, worstFactor = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::vector<double> &x = expected[i];
        SCOPED_TRACE("reference MD " + std::to_string(x[0]));
        EXPECT_EQ(c.value(i, "Teufe (m)"), x[0]);
        EXPECT_EQ(c.rows[i][1], "offset-01");
        EXPECT_NEAR(c.value(i, "Nachbar-Teufe (m)"), x[4], 0.1);
        EXPECT_NEAR(c.value(i, "Nachbar-Seigerteufe (m)"), x[5], 0.01);
        EXPECT_NEAR(c.value(i, "Nachbar-Nord (m)"), x[6], 0.01);
        EXPECT_NEAR(c.value(i, "Nachbar-Ost (m)"), x[7], 0.01);
        EXPECT_NEAR(c.value(i, "Abstand (m)"), x[9], 0.01);
        EXPECT_NEAR(c.value(i, "PCR Bezug (m)"), x[10], 0.001);
        EXPECT_NEAR(c.value(i, "Trennfaktor"), x[13], 0.005 * x[13]);
        worstDistance = std::max(worstDistance, std::abs(c.value(i, "Abstand (m)") - x[9]));
        worstFactor = std::max(worstFactor, std::abs(c.value(i, "Trennfaktor") / x[13] - 1));
    }
    std::cout << "offset-01 through the batch tool: largest deviation of the distance "
              << worstDistance << " m, of the separation factor " << 100 * worstFactor << " %\n";
}

TEST_F(ToolTest, ACrossingOffsetGivesStatusThreeAndItsNotice)
{
    const std::string both = setFile("reference-well.csv") + kModel + kHole + " --offset "
        + setFile("offset-03.csv") + " --offset-position 0,10" + kOffsetHole + " --offset "
        + setFile("offset-02.csv") + " --offset-position 100,0 --offset-name Nord";
    const Result r = run(both);
    EXPECT_EQ(r.status, 3) << r.err;
    // One notice: a heading, then a line for the offset below the warning factor.
    const std::size_t heading = r.err.find("Trennfaktor unter 1.50 bei 1 Nachbarbohrung:\n");
    ASSERT_NE(heading, std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Nachbarbohrung offset-03: Trennfaktor 0.4", heading), std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("Nachbarbohrung Nord:"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("BERECHNUNG DER ABKNICKUNG"), std::string::npos)
        << "the results table as always";

    // A factor of k = 1 keeps offset 03 above 1: a warning only, status 0.
    EXPECT_EQ(run(both + " --sf-k 1 --sf-warn 2").status, 0);
    // A file that cannot be written outranks the crossing.
    EXPECT_EQ(run(both + " --clearance no/such/folder/c.csv").status, 2);
    // Without an error model: distances, no factor, no status of its own.
    const Result distances = run(setFile("reference-well.csv") + " --offset "
        + setFile("offset-03.csv") + " --offset-position 0,10 --clearance d.csv");
    EXPECT_EQ(distances.status, 0) << distances.err;
    EXPECT_NE(distances.err.find("kein Trennfaktor"), std::string::npos) << distances.err;
    const Clearance d = clearanceOf(file("d.csv"));
    ASSERT_FALSE(d.rows.empty());
    EXPECT_EQ(d.rows.front().back(), "") << "an empty factor";
    EXPECT_NEAR(d.value(0, "Abstand (m)"), 10, 1e-9);
}

TEST_F(ToolTest, StepsSaveAndTheSavedDocument)
{
    const std::string offsets = " --offset " + setFile("offset-03.csv") + " --offset-position 0,10"
        + kOffsetHole + " --offset " + setFile("offset-05.csv")
        + " --offset-position -50,-500 --offset-elevation 0";
    ASSERT_EQ(run(setFile("reference-well.csv") + kModel + kHole + " --elevation 0" + offsets
                  + " --save s.dvn --clearance c.csv --every-md 45")
                  .status,
        3);
    const Clearance c = clearanceOf(file("c.csv"));
    // Each depth once for each offset, in depth order; 45 m steps fall between the 30 m
    // stations (every other one on a station).
    std::map<double, int> perDepth;
    for (std::size_t i = 0; i < c.rows.size(); ++i)
        ++perDepth[c.value(i, "Teufe (m)")];
    EXPECT_TRUE(
        std::all_of(perDepth.begin(), perDepth.end(), [](auto &p) { return p.second == 2; }));
    EXPECT_EQ(perDepth.count(45.0), 1u);
    EXPECT_EQ(perDepth.count(30.0), 1u);
    EXPECT_EQ(perDepth.count(40.0), 0u);
    for (std::size_t i = 1; i < c.rows.size(); ++i)
        EXPECT_LE(c.value(i - 1, "Teufe (m)"), c.value(i, "Teufe (m)"));

    // The saved document holds the offsets and the rule: alone it scans the same.
    ASSERT_EQ(run("s.dvn --clearance again.csv --every-md 45").status, 3);
    EXPECT_EQ(file("again.csv"), file("c.csv"));
}

TEST_F(ToolTest, OffsetOptionsRefuseWhatTheyCannotPlace)
{
    const std::string ref = setFile("reference-well.csv");
    const std::string off = setFile("offset-01.csv");
    struct Case
    {
        std::string args;
        std::string said;
    };
    const Case cases[] = {
        { " --offset-position 0,100 --offset " + off, "--offset-position gilt für" },
        { " --offset " + off, "Wo liegt ihr Ansatzpunkt?" },
        { " --offset " + off + " --offset-position 0,100 --offset-wellhead 1,2",
            "schließen einander aus" },
        { " --offset " + off + " --offset-position 0,100 --offset-kickoff 500",
            "Seitenast (--offset-kickoff)" },
        { " --offset " + off + " --offset-position 0,100 --offset " + off
                + " --offset-position 0,200",
            "der Name ist doppelt vergeben" },
        { " --offset " + off + " --offset-wellhead 500100,5700000",
            "nicht verglichen, ihr Ansatzpunkt gibt keine Lage" },
        { " --offset " + off + " --offset-position 0,100 --offset-hole 6", "--offset-hole" },
        { " --offset " + off + " --offset-position 0,100 --sf-k 0", "--sf-k" },
        { " --clearance c.csv", "--clearance braucht Nachbarbohrungen" },
        { " --offset no-such-file.txt --offset-position 0,1", "no-such-file.txt" },
    };
    for (const Case &c : cases) {
        const Result r = run(ref + c.args);
        EXPECT_NE(r.err.find(c.said), std::string::npos) << c.args << "\n" << r.err;
        // Only the wellhead without the well's own is a scan's fault (1); the rest are
        // refused before anything is computed.
        EXPECT_EQ(r.status, c.said.starts_with("nicht verglichen") ? 1 : 2) << c.args;
    }
}

} // namespace
