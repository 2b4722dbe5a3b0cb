// The batch tool as a user calls it: output streams, exit status and written files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

struct Result
{
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class Cli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char templ[] = "/tmp/dravon-cli-test-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        dir = templ;
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    // Runs the tool with `args` (shell words) and `input` on standard input.
    Result run(const std::string &args, const std::string &input = {})
    {
        const std::string in = dir + "/stdin", out = dir + "/stdout", err = dir + "/stderr";
        std::ofstream(in, std::ios::binary) << input;
        const std::string cmd = std::string("cd '") + dir + "' && '" DRAVON_CLI "' " + args + " <'" + in
                                + "' >'" + out + "' 2>'" + err + "'";
        Result r;
        const int raw = std::system(cmd.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(out);
        r.err = slurp(err);
        return r;
    }

    std::string dir;
};

const std::string kStations = "100 0 0\n200 10 45\n300 20 90\n";
const std::string kTable =
    "TITEL\n"
    "    BERECHNUNG DER ABKNICKUNG ALFA UND DER BOHRLOCHABWEICHUNG\n"
    "    NACH DEM SCHMIEGUNGSKREISVERFAHREN\n"
    "    TEUFENBEREICH  ALPHA   KREIS-    SEIGER   TEUFEN-  NORD(+)  OST(+)  GESAMT-\n"
    "                    GRAD   RADIUS    TEUFE    VERLUST  SUED(-) WEST(-) ABWEICHUNG\n"
    "        (M)       JE 30 M   (M)       (M)       (M)     (M)      (M)   (M GRAD AZ)\n"
    "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M\n"
    "       0.0- 100.0  0.000         0   100.00     0.00    0.00     0.00   0.0:  0.0\n"
    "     100.0- 200.0  3.000   572.958   199.49     0.51    6.16     6.16   8.7: 45.0\n"
    "     200.0- 300.0  4.400   390.637   296.25     3.75   12.33    29.52  32.0: 67.3\n";

} // namespace

TEST_F(Cli, StationsGiveTheWorkedTable)
{
    const Result r = run("--stations -", kStations);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kTable);
    EXPECT_EQ(r.err, "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M\n");
}

TEST_F(Cli, InterpolationResultsFollowTheTable)
{
    const Result r = run("--stations - --interpolate 150 --interpolate 300", kStations);
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string first = "\nERGEBNISSE DER INTERPOLATION\nBohrlochteufe   (m):  150.00\n"
                              "Vertikale Teufe (m):  149.75\nNORD(+) SUED(-) (m):    3.08\n"
                              "OST(+)  WEST(-) (m):    3.08\nGesamtabweichung   :   4.35 m   45.0 Grad Azimut\n";
    ASSERT_EQ(r.out.substr(0, kTable.size()), kTable);
    EXPECT_EQ(r.out.substr(kTable.size(), first.size()), first);
    EXPECT_NE(r.out.find("Gesamtabweichung   :  31.99 m   67.3 Grad Azimut\n"), std::string::npos);
    // The straight interval is reported again by each interpolation's run.
    EXPECT_EQ(r.err.size(), 3 * std::string("KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M\n").size());
}

TEST_F(Cli, FaultsGiveStatusOne)
{
    Result refused = run("--stations - --interpolate 301", kStations);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Die vorgegebene Teufe ist größer als die Max.Teufe\n"), std::string::npos)
        << "messages are converted to UTF-8";

    Result badLine = run("--stations -", "100 0 0\n200 1\n");
    EXPECT_EQ(badLine.status, 1);
    EXPECT_NE(badLine.err.find("Die 2.Zeile enhält keine 3 Werte\n 200 1\n"), std::string::npos) << badLine.err;

    Result abort = run("--stations -", "100 0 0\n200 120 0\n");
    EXPECT_EQ(abort.status, 1);
    EXPECT_NE(abort.out.find("ABBRUCH bei TEUFE(m):200.00 \nPHI(Grad):120.00"), std::string::npos);

    Result empty = run("--stations - --interpolate 5", "");
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "Eingabedaten fehlen!!!\n");
}

TEST_F(Cli, InterpolationWithoutAnIntervalSaysWhy)
{
    // The surface station alone: the depth 0 is not beyond the last station, yet there
    // is no interval, so no result comes; the failed request must not pass in silence.
    const Result r = run("--stations - --interpolate 0", "0 0 0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "dravon-cli: Bei der Teufe 0 kann nicht interpoliert werden: es gibt keinen "
                     "Messpunkt unter dem Ansatzpunkt.\n");

    // After an abort the abort message already says why; nothing is added.
    const Result aborted = run("--stations - --interpolate 150", "100 0 0\n200 120 0\n");
    EXPECT_EQ(aborted.status, 1);
    EXPECT_EQ(aborted.err.find("dravon-cli:"), std::string::npos) << aborted.err;
}

TEST_F(Cli, UsageErrorsAndUnreadableFilesGiveStatusTwo)
{
    EXPECT_EQ(run("").status, 2);
    EXPECT_EQ(run("--format csv x").status, 2);
    EXPECT_EQ(run("--every 3 x").status, 2);
    EXPECT_EQ(run("--interpolate zehn --stations -").status, 2);
    EXPECT_EQ(run("--stations a b").status, 2);
    const Result missing = run("no-such-file.txt");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("no-such-file.txt"), std::string::npos);
    const Result help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--stations"), std::string::npos);
    EXPECT_EQ(run("--version").out, "dravon-cli 2.0\n");
}

TEST_F(Cli, NameViewAndGermanText)
{
    const Result r = run("--stations - --name 'Bohrung Süd' --view top", kStations);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Bohrung Süd");
    // The rows do not depend on the view.
    EXPECT_EQ(r.out.substr(r.out.find('\n')), kTable.substr(kTable.find('\n')));
}

TEST_F(Cli, MeasurementFilesInEachFormat)
{
    const std::string ex = DRAVON_SOURCE_DIR "/examples/";
    const Result free = run("'" + ex + "deviated-well.txt'");
    EXPECT_EQ(free.status, 0) << free.err;
    const Result weg = run("--format weg '" + ex + "survey.weg'");
    EXPECT_EQ(weg.status, 0) << weg.err;
    const Result atk = run("--format atk '" + ex + "export.atk'");
    EXPECT_EQ(atk.status, 0) << atk.err;
    for (const Result *r : {&free, &weg, &atk})
        EXPECT_GT(std::count(r->out.begin(), r->out.end(), '\n'), 20);

    // Thinning to every 5th record leaves fewer rows.
    const Result thin = run("--every 5 '" + ex + "deviated-well.txt'");
    EXPECT_EQ(thin.status, 0);
    EXPECT_LT(std::count(thin.out.begin(), thin.out.end(), '\n'),
              std::count(free.out.begin(), free.out.end(), '\n'));

    // The wrong format is a reader fault.
    const Result wrong = run("--format atk '" + ex + "deviated-well.txt'");
    EXPECT_EQ(wrong.status, 1);
}

TEST_F(Cli, MeasurementFileFromStandardInput)
{
    const Result r = run("-", "Bohrung Nord\n100 0 0\n200 10 45\n300 20 90\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 13), "Bohrung Nord\n");
}

TEST_F(Cli, DocumentFileAndResultsFile)
{
    const Result r = run("'" DRAVON_SOURCE_DIR "/examples/example.dvn' --results-file out.txt");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string bytes = slurp(dir + "/out.txt");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.substr(0, 13), "example.dvn\r\n") << "the title of an opened document is its file name";
    // Every line of the table follows, each ended by CR LF, in the program's own
    // character set (stdout is UTF-8).
    const auto count = [](const std::string &text, const std::string &what) {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count(bytes, "\r\n"), count(r.out, "\n") + 1);
    EXPECT_EQ(count(bytes, "\n"), count(bytes, "\r\n"));
    EXPECT_EQ(bytes.substr(13, bytes.find('\r', 13) - 13), "Bohrung M\xFChlenfeld Z3");
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Bohrung Mühlenfeld Z3");

    const Result unwritable = run("--stations - --results-file /no/such/folder/aus.txt", kStations);
    EXPECT_EQ(unwritable.status, 2);
}

TEST_F(Cli, PlotWithoutADisplay)
{
    for (const char *name : {"g.png", "g.svg", "g.pdf"}) {
        const Result r = run(std::string("--stations - --plot ") + name, kStations);
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
        const std::string bytes = slurp(dir + "/" + name);
        EXPECT_GT(bytes.size(), 1000u) << name;
    }
    EXPECT_EQ(slurp(dir + "/g.png").substr(1, 3), "PNG");
    EXPECT_EQ(slurp(dir + "/g.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(run("--stations - --plot g.bmp", kStations).status, 2);
}
