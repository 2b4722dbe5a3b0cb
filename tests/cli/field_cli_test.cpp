// The field file from the batch tool: a folder of survey files imported as one well each,
// listed by field, site, well and wellbore with their stations; a second import of a file
// is a new version of its wellbore, not a copy; a file that cannot be read keeps the whole
// import out; a tool killed in the middle of an import leaves the field as it was; and the
// field's export gives back each wellbore's definitive survey. Imports and the list also
// from a database on a PostgreSQL server that the test starts itself.
#include "tests/cli/clitool.h"
#include "tests/support/pgserver.h"

#include <array>
#include <csignal>
#include <filesystem>
#include <thread>

namespace {

using namespace clitest;

const std::string kSet = DRAVON_SOURCE_DIR "/tests/data/clearance/";

class FieldCli : public ToolTest
{
protected:
    // The list's lines as their tab-separated fields.
    std::vector<Fields> listed(const std::string &where = "feld.sqlite")
    {
        const Result r = run("--field '" + where + "' --list");
        EXPECT_EQ(r.status, 0) << r.err;
        std::vector<Fields> lines;
        std::stringstream in(r.out);
        for (std::string line; std::getline(in, line);) {
            std::stringstream fields(line);
            lines.emplace_back();
            for (std::string f; std::getline(fields, f, '\t');)
                lines.back().push_back(f);
        }
        return lines;
    }
    // Four neighbours as documents with their wellheads and error models; the fourth ten
    // kilometres off; all of them and the reference in the field "feld".
    void makeField()
    {
        const std::string model = " --error-model iscwsa-mwd-rev5 --mag-field 50000 --mag-dip 70"
                                  " --declination 0 --north grid --grid-convergence 0 --crs EPSG:25832";
        EXPECT_EQ(run("'" + kSet + "reference-well.csv' --wellhead 500000,5700000 --save ref.dvn"
                      + model)
                      .status,
            0);
        const char *heads[] = { "500040,5700000", "499970,5700010", "500000,5699960",
            "510000,5710000" };
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(run("'" + kSet + "offset-0" + std::to_string(k) + ".csv' --wellhead "
                          + heads[k - 1] + " --save off" + std::to_string(k) + ".dvn" + model)
                          .status,
                0);
        }
        EXPECT_EQ(run("--field feld.sqlite --import ref.dvn --import off1.dvn --import off2.dvn "
                      "--import off3.dvn --import off4.dvn")
                      .status,
            0);
    }
    void copyInto(const std::string &folder, const std::string &from, const std::string &name)
    {
        std::filesystem::create_directories(dir + "/" + folder);
        std::filesystem::copy_file(from, dir + "/" + folder + "/" + name);
    }
};

TEST_F(FieldCli, AFolderIsImportedOnceAndAgainAsNewVersions)
{
    for (int k = 1; k <= 3; ++k) {
        const std::string name = "offset-0" + std::to_string(k) + ".csv";
        copyInto("pad", kSet + name, name);
    }
    const Result r = run("--field feld.sqlite --import pad --site 'Pad Süd'");
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<Fields> lines = listed();
    ASSERT_EQ(lines.size(), 3u);
    for (int k = 1; k <= 3; ++k) {
        const Fields &f = lines[k - 1];
        ASSERT_EQ(f.size(), 6u);
        EXPECT_EQ(f[0], "feld");
        EXPECT_EQ(f[1], "Pad Süd");
        EXPECT_EQ(f[2], "offset-0" + std::to_string(k));
        // As many stations as the file has rows below its heading.
        const std::string bytes = slurp(kSet + "offset-0" + std::to_string(k) + ".csv");
        const auto rows = std::count(bytes.begin(), bytes.end(), '\n') - 1;
        EXPECT_EQ(number(f[4]), static_cast<double>(rows)) << f[2];
    }
    // The same file again: its wellbore's survey has a new version, no second wellbore.
    ASSERT_EQ(run("--field feld.sqlite --import pad/offset-02.csv --site 'Pad Süd'").status, 0);
    EXPECT_EQ(listed().size(), 3u);

    // A file that cannot be read keeps every file of the import out.
    copyInto("more", kSet + "offset-04.csv", "offset-04.csv");
    write("more/kaputt.csv", "Teufe;Neigung;Azimut\n100;x;y\n");
    const Result bad = run("--field feld.sqlite --import more");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("kaputt.csv"), std::string::npos) << bad.err;
    EXPECT_EQ(listed().size(), 3u);

    EXPECT_EQ(run("--field feld.sqlite").status, 2);
    EXPECT_EQ(run("--import pad").status, 2);
}

TEST_F(FieldCli, AToolKilledDuringAnImportLeavesTheFieldAsItWas)
{
    copyInto("first", kSet + "offset-01.csv", "offset-01.csv");
    ASSERT_EQ(run("--field feld.sqlite --import first").status, 0);
    constexpr int kFiles = 400;
    for (int k = 0; k < kFiles; ++k)
        copyInto("many", kSet + "offset-0" + std::to_string(1 + k % 5) + ".csv",
            "well-" + std::to_string(1000 + k) + ".csv");
    // Killed at moments spread over its whole run, until a run has imported: every run
    // killed before leaves the one well, the run that imported has them all.
    int killed = 0;
    bool finished = false;
    for (double wait = 5; wait <= 20000 && !finished; wait *= 1.3) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (chdir(dir.c_str()) != 0)
                _exit(127);
            execl(DRAVON_CLI, DRAVON_CLI, "--field", "feld.sqlite", "--import", "many",
                static_cast<char *>(nullptr));
            _exit(127);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long>(wait * 1000)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        if (WIFEXITED(status)) {
            ASSERT_EQ(WEXITSTATUS(status), 0);
        }
        const std::size_t count = listed().size();
        // Killed after its commit, the import is whole; before it, nothing of it is there.
        ASSERT_TRUE(count == 1 || count == 1 + kFiles) << count << " after " << wait << " ms";
        finished = count != 1;
        killed += finished ? 0 : 1;
    }
    EXPECT_TRUE(finished);
    EXPECT_GT(killed, 3);
}

TEST_F(FieldCli, TheScanAgainstAllFindsWhatThePairsFindWithinTheRadius)
{
    makeField();
    const Result all
        = run("--field feld.sqlite --well ref --scan-all --radius 2000 --clearance all.csv");
    const Result pairs = run(
        "ref.dvn --offset off1.dvn --offset off2.dvn --offset off3.dvn --clearance pairs.csv");
    // Separation factors below 1: the status says so in both.
    EXPECT_EQ(all.status, 3) << all.err;
    EXPECT_EQ(pairs.status, 3) << pairs.err;
    std::vector<Fields> a = csvLines(file("all.csv")), p = csvLines(file("pairs.csv"));
    ASSERT_EQ(a.size(), p.size());
    ASSERT_GT(a.size(), 100u);
    for (std::size_t i = 2; i < a.size(); ++i) {
        ASSERT_EQ(a[i].size(), p[i].size());
        // The neighbour is named by its place in the field (the well by its file), the
        // pair by the document's own name.
        EXPECT_EQ(a[i][1], "feld/Standort 1/off" + p[i][1].substr(p[i][1].size() - 1)) << i;
        a[i][1] = p[i][1];
        EXPECT_EQ(a[i], p[i]) << i;
    }
    // Without the radius the far one is scanned too; a name the field lacks is refused.
    const Result every = run("--field feld.sqlite --well ref --scan-all --clearance every.csv");
    EXPECT_NE(file("every.csv").find("feld/Standort 1/off4"), std::string::npos) << every.err;
    EXPECT_EQ(run("--field feld.sqlite --well nirgends --scan-all").status, 2);
}

TEST_F(FieldCli, TheFieldsRulesNameWhatTheScanBreaks)
{
    makeField();
    // The reference runs south: the lease ends 700 m south of its wellhead.
    write("regeln.json",
        R"({"name":"Betreiber A","levels":[)"
        R"({"name":"Stopp","below":1.0,"colour":"#d00000","action":"stop"},)"
        R"({"name":"Hinweis","below":2.0,"colour":"#e0c000","action":"inform"}],)"
        R"("leases":[{"name":"Erlaubnisfeld","minDistance":25,)"
        R"("polygon":[[498000,5699300],[502000,5699300],[502000,5701000],[498000,5701000]]}]})");
    ASSERT_EQ(run("--field feld.sqlite --rules regeln.json").status, 0);
    const Result r = run("--field feld.sqlite --well ref --scan-all --radius 2000");
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_NE(r.err.find("unter 1.00, Regel „Stopp“ (Halt)"), std::string::npos) << r.err;
    // Where it crosses: between the two stations of the export around 700 m south.
    ASSERT_EQ(run("ref.dvn --export r.csv").status, 0);
    double expected = NAN;
    double md0 = 0, north0 = 0;
    bool heading = false;
    for (const Fields &row : csvLines(file("r.csv"))) {
        if (!heading) {
            heading = !row.empty() && row[0] == "Teufe (m)";
            continue;
        }
        const double md = number(row.at(0)), north = number(row.at(4));
        if (north < -700 && std::isnan(expected))
            expected = md0 + (-700 - north0) / (north - north0) * (md - md0);
        md0 = md;
        north0 = north;
    }
    ASSERT_FALSE(std::isnan(expected));
    const std::string said = "Die Bohrung verlässt bei ";
    const std::size_t at = r.err.find(said);
    ASSERT_NE(at, std::string::npos) << r.err;
    EXPECT_NEAR(number(r.err.substr(at + said.size(), r.err.find(' ', at + said.size()) - at
                                                          - said.size())),
        expected, 0.006);
    EXPECT_NE(r.err.find("„Erlaubnisfeld“", at), std::string::npos);
    // A rule file with a fault is refused and keeps the stored rules.
    write("kaputt.json", R"({"levels":[{"name":"x","below":1,"action":"halt"}]})");
    EXPECT_EQ(run("--field feld.sqlite --rules kaputt.json").status, 2);
    EXPECT_EQ(run("--field feld.sqlite --well ref --scan-all --radius 2000").err, r.err);
}

// The stations of a CSV export by their headings: MD, TVD, north and east of every row.
std::vector<std::array<double, 4>> stationsOf(const std::string &csv)
{
    std::vector<std::array<double, 4>> out;
    std::vector<std::size_t> at;
    for (const Fields &row : csvLines(csv)) {
        if (at.empty()) {
            for (const char *title : { "Teufe (m)", "Seigerteufe (m)", "Nord (m)", "Ost (m)" }) {
                const auto c = std::find(row.begin(), row.end(), title);
                if (c == row.end())
                    break;
                at.push_back(static_cast<std::size_t>(c - row.begin()));
            }
            if (at.size() != 4)
                at.clear();
            continue;
        }
        out.push_back({ number(row.at(at[0])), number(row.at(at[1])), number(row.at(at[2])),
            number(row.at(at[3])) });
    }
    return out;
}

TEST_F(FieldCli, EachTrajectoryOfAWitsmlFileIsAWellboreOfItsWell)
{
    // A plan of three stations and a definitive survey of four, both of one wellbore.
    copyInto("w", DRAVON_SOURCE_DIR "/tests/data/exchange/two-trajectories.xml", "N7.xml");
    copyInto("w", kSet + "offset-01.csv", "offset-01.csv");
    ASSERT_EQ(run("--field feld.sqlite --import w").status, 0);
    const std::vector<Fields> lines = listed();
    ASSERT_EQ(lines.size(), 3u);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(lines[k][2], "N7");
        EXPECT_EQ(lines[k][3], k == 0 ? "Definitiv & geprüft" : "Plan");
        EXPECT_EQ(number(lines[k][4]), k == 0 ? 4 : 3);
    }
    EXPECT_EQ(lines[2][3], "offset-01");
    // The same file again: new versions of both, no further wellbore.
    ASSERT_EQ(run("--field feld.sqlite --import w/N7.xml").status, 0);
    EXPECT_EQ(listed().size(), 3u);
}

TEST_F(FieldCli, TheExportGivesBackEachWellboresDefinitiveSurvey)
{
    makeField();
    // A newer survey of off2 (another file's readings) is the definitive one now; a well
    // whose name a file system cannot hold as it is keeps its place under another name.
    ASSERT_EQ(run("'" + kSet + "offset-05.csv' --wellhead 499970,5700010 --save off2.dvn"
                  " --crs EPSG:25832")
                  .status,
        0);
    ASSERT_EQ(run("--field feld.sqlite --import off2.dvn").status, 0);
    copyInto("odd", kSet + "offset-03.csv", "A:1.csv");
    ASSERT_EQ(run("--field feld.sqlite --import odd --site 'Pad Nord'").status, 0);

    const Result r = run("--field feld.sqlite --export aus");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string pad = dir + "/aus/feld/Standort 1/";
    for (const std::string name : { "ref", "off1", "off2", "off3", "off4" }) {
        ASSERT_TRUE(std::filesystem::exists(pad + name + ".xml")) << name;
        const Result back = run("'" + pad + name + ".xml' --export back.csv");
        ASSERT_EQ(back.status, 0) << name << back.err;
        ASSERT_EQ(run(name + ".dvn --export own.csv").status, 0);
        const auto got = stationsOf(file("back.csv")), want = stationsOf(file("own.csv"));
        ASSERT_EQ(got.size(), want.size()) << name;
        ASSERT_GT(got.size(), 10u);
        for (std::size_t k = 0; k < got.size(); ++k)
            for (std::size_t c = 0; c < 4; ++c)
                ASSERT_NEAR(got[k][c] - got[0][c], want[k][c] - want[0][c], 1e-3)
                    << name << " row " << k << " column " << c;
    }
    EXPECT_TRUE(std::filesystem::exists(dir + "/aus/feld/Pad Nord/A_1.xml"));
    EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(dir + "/aus"),
                  std::filesystem::recursive_directory_iterator {}),
        3 + 6); // feld and its two sites, six files

    // A folder that cannot be made is said, with status 2; a second folder is refused.
    write("datei", "x");
    const Result blocked = run("--field feld.sqlite --export datei/aus");
    EXPECT_EQ(blocked.status, 2);
    EXPECT_NE(blocked.err.find("datei/aus"), std::string::npos) << blocked.err;
    EXPECT_EQ(run("--field feld.sqlite --export a --export b").status, 2);
}

} // namespace

namespace {

TEST_F(FieldCli, AFieldOnAServerTakesAnImportAndListsItAsAFileDoes)
{
    const pgtest::Server &server = pgtest::Server::shared();
    ASSERT_EQ(server.fault(), "");
    std::string fault;
    const std::string address = server.newDatabase("nord", fault);
    ASSERT_FALSE(address.empty()) << fault;
    for (const char *name : { "offset-01.csv", "offset-02.csv", "offset-03.csv" })
        copyInto("pad", kSet + name, name);
    const Result r = run("--field '" + address + "' --import pad --site 'Pad Süd'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find(server.address("nord", false)), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("eim"), std::string::npos) << "the password shown: " << r.err;
    ASSERT_EQ(run("--field nord.sqlite --import pad --site 'Pad Süd'").status, 0);
    // Named after the database as the file's is after the file; the same lines but for
    // the time of the change.
    std::vector<Fields> onServer = listed(address), inFile = listed("nord.sqlite");
    ASSERT_EQ(onServer.size(), 3u);
    ASSERT_EQ(inFile.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        ASSERT_EQ(onServer[k].size(), 6u);
        EXPECT_EQ(onServer[k][0], "nord");
        onServer[k].pop_back();
        inFile[k].pop_back();
        EXPECT_EQ(onServer[k], inFile[k]);
    }
    // A file that cannot be read keeps the whole import out of the server too.
    copyInto("more", kSet + "offset-04.csv", "offset-04.csv");
    write("more/kaputt.csv", "Teufe;Neigung;Azimut\n100;x;y\n");
    EXPECT_EQ(run("--field '" + address + "' --import more").status, 2);
    EXPECT_EQ(listed(address).size(), 3u);
    // A server that is not there is a fault, not a wait.
    const Result gone = run("--field 'postgresql://ich@%2Fnirgends:5432/nord' --list");
    EXPECT_EQ(gone.status, 2);
    EXPECT_NE(gone.err.find("postgresql://ich@%2Fnirgends:5432/nord"), std::string::npos)
        << gone.err;
}

} // namespace

TEST_F(FieldCli, ADocumentOfTheFieldScansItsWellboresAsTheFieldHoldsThemNow)
{
    makeField();
    // ref.dvn made a member of the field: its neighbours are references, no stations.
    DocumentItems items;
    std::string message;
    ASSERT_TRUE(readDocumentFile(dir + "/ref.dvn", "ref.dvn", items, message)) << message;
    ASSERT_TRUE(items.m_Settings.offsets.empty());
    items.m_Settings.field = FieldLink { "feld.sqlite", "feld/Standort 1/ref", 2000.0 };
    ASSERT_TRUE(writeDocumentFile(dir + "/linked.dvn", items));
    const auto documentSize = std::filesystem::file_size(dir + "/linked.dvn");

    // The same rows as the scan of the field against the well, itself left out.
    const Result linked = run("linked.dvn --clearance linked.csv");
    const Result all
        = run("--field feld.sqlite --well ref --scan-all --radius 2000 --clearance all.csv");
    EXPECT_EQ(linked.status, 3) << linked.err;
    EXPECT_EQ(all.status, 3) << all.err;
    const std::vector<Fields> before = csvLines(file("linked.csv"));
    ASSERT_GT(before.size(), 100u);
    EXPECT_EQ(before, csvLines(file("all.csv")));
    EXPECT_EQ(file("linked.csv").find("Standort 1/ref"), std::string::npos);

    // Another survey of off1 in the field: the document's next scan takes it, and the
    // document is as it was.
    ASSERT_EQ(run("'" + kSet + "offset-04.csv' --wellhead 500040,5700000 --save off1.dvn"
                  " --error-model iscwsa-mwd-rev5 --mag-field 50000 --mag-dip 70 --declination 0"
                  " --north grid --grid-convergence 0 --crs EPSG:25832")
                  .status,
        0);
    ASSERT_EQ(run("--field feld.sqlite --import off1.dvn").status, 0);
    ASSERT_EQ(run("linked.dvn --clearance again.csv").status, 3);
    const std::vector<Fields> after = csvLines(file("again.csv"));
    const auto rowsOf = [](const std::vector<Fields> &rows, const std::string &well) {
        std::vector<Fields> out;
        for (const Fields &row : rows)
            if (row.size() > 1 && row[1] == well)
                out.push_back(row);
        return out;
    };
    const std::string off1 = "feld/Standort 1/off1", off2 = "feld/Standort 1/off2";
    EXPECT_FALSE(rowsOf(before, off1).empty());
    EXPECT_NE(rowsOf(after, off1), rowsOf(before, off1));
    EXPECT_EQ(rowsOf(after, off2), rowsOf(before, off2));
    EXPECT_EQ(std::filesystem::file_size(dir + "/linked.dvn"), documentSize);

    // A field that is not there is said, and nothing is scanned without it.
    items.m_Settings.field->location = "fehlt.sqlite";
    ASSERT_TRUE(writeDocumentFile(dir + "/lost.dvn", items));
    const Result lost = run("lost.dvn --clearance lost.csv");
    EXPECT_EQ(lost.status, 2);
    EXPECT_NE(lost.err.find("fehlt.sqlite"), std::string::npos) << lost.err;
    EXPECT_FALSE(std::filesystem::exists(dir + "/fehlt.sqlite"));
}
