// The batch tool as a user calls it: output streams, exit status and written files.
#include "document/docfile.h"
#include "input/lineeditor.h"
#include "tests/cli/clitool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using namespace clitest;
using Cli = ToolTest;

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
    // The point on the arc of the computed path; the straight chord between the stations
    // (149.75 / 3.08 / 3.08) was off the path.
    const std::string first = "\nERGEBNISSE DER INTERPOLATION\nBohrlochteufe   (m):  150.00\n"
                              "Vertikale Teufe (m):  149.94\nNORD(+) SUED(-) (m):    1.54\n"
                              "OST(+)  WEST(-) (m):    1.54\nGesamtabweichung   :   2.18 m   45.0 Grad Azimut\n";
    ASSERT_EQ(r.out.substr(0, kTable.size()), kTable);
    EXPECT_EQ(r.out.substr(kTable.size(), first.size()), first);
    EXPECT_NE(r.out.find("Gesamtabweichung   :  31.99 m   67.3 Grad Azimut\n"), std::string::npos);
    // An interpolation reads the computed path and computes nothing again, so the remark
    // about the straight interval comes once (each request used to repeat it).
    EXPECT_EQ(r.err, "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M\n");
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

    // A refused inclination ends the run at the station before it: 150 m is the last
    // computed station in the table and in the export, and nothing deeper is in either.
    Result angle = run("--stations - --export e.csv",
        "50 1 10\n100 2 10\n150 3 10\n200 200 10\n250 4 10\n");
    EXPECT_EQ(angle.status, 1);
    EXPECT_NE(angle.err.find("Neigung Phi-Wert 200 liegt nicht im Bereich"), std::string::npos);
    EXPECT_NE(angle.out.find(" 100.0- 150.0 "), std::string::npos) << angle.out;
    EXPECT_EQ(angle.out.find(" 150.0- "), std::string::npos) << angle.out;
    const std::string exported = file("e.csv");
    EXPECT_NE(exported.find("\n150,"), std::string::npos) << exported;
    EXPECT_EQ(exported.find("\n200,"), std::string::npos) << exported;

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

    // After an abort the request is answered with where the computation ends, once,
    // instead of the abort message shown again by a second run.
    const Result aborted = run("--stations - --interpolate 150", "100 0 0\n200 120 0\n");
    EXPECT_EQ(aborted.status, 1);
    EXPECT_EQ(aborted.err,
        "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M\n"
        "ABBRUCH bei TEUFE(m):200.00 \nPHI(Grad):120.00 THETA(Grad):  0.00\n"
        "dravon-cli: Bei der Teufe 150 kann nicht interpoliert werden: die Berechnung endet "
        "bei der Teufe 100 m.\n");
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

TEST_F(Cli, ANameWithLettersBeyondTheTablesKeepsThemWhereTheFormatHasThem)
{
    // "Ł" and "ź" have no place in the results table's Windows-1252 (nor in the document
    // file's): the table, on standard output and in the results file, and the saved
    // document write "?" as they always did. The page and the UTF-8 formats (GeoJSON,
    // WITSML) keep the name as given, and a message names a file as it was given.
    const Result r = run("--stations - --name 'Łódź ä' --results-file aus.txt --save n.dvn"
                         " --plot p.svg --export m.geojson --export t.xml --crs EPSG:25832"
                         " --wellhead 500000,5700000",
        kStations);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "?ód? ä");
    EXPECT_EQ(file("aus.txt").substr(0, 19),
        "Unbenannt\r\n?\xF3"
        "d? \xE4\r\n");
    EXPECT_EQ(file("n.dvn").substr(0, 7),
        "\x06?\xF3"
        "d? \xE4");
    EXPECT_NE(file("p.svg").find(">Łódź ä<"), std::string::npos);
    EXPECT_NE(file("m.geojson").find("\"name\":\"Łódź ä\""), std::string::npos);
    EXPECT_NE(file("t.xml").find("<nameWell>Łódź ä</nameWell>"), std::string::npos);

    const Result missing = run("--stations - --offset nicht-da-Łódź.csv", kStations);
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find(" nicht-da-Łódź.csv "), std::string::npos) << missing.err;
}

TEST_F(Cli, DocumentFileAndResultsFile)
{
    const Result r = run("'" DRAVON_SOURCE_DIR "/examples/example.dvn' --results-file out.txt");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string bytes = slurp(dir + "/out.txt");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.substr(0, 13), "example.dvn\r\n") << "the title of an opened document is its file name";
    // Every line of the table follows, each ended by CR LF, in the results file's
    // Windows-1252 (stdout is UTF-8).
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

namespace {

DocumentItems savedDocument(const std::string &path)
{
    DocumentItems items;
    std::string message;
    EXPECT_TRUE(readDocumentFile(path, path, items, message)) << message;
    return items;
}

} // namespace

TEST_F(Cli, SaveWritesWhatSpeichernWouldAfterTheDialogReadTheFile)
{
    // A document comes back byte for byte, also after a second round.
    const std::string example = DRAVON_SOURCE_DIR "/examples/example.dvn";
    ASSERT_EQ(run("'" + example + "' --save copy.dvn").status, 0);
    EXPECT_EQ(slurp(dir + "/copy.dvn"), slurp(example));
    ASSERT_EQ(run("copy.dvn --save again.dvn").status, 0);
    EXPECT_EQ(slurp(dir + "/again.dvn"), slurp(example));

    // A measurement file gives what the measurement dialog's "Datei einlesen" takes.
    const struct
    {
        const char *option, *file;
        int format;
    } inputs[] = { { "weg", "survey.weg", 0 }, { "free", "deviated-well.txt", 1 },
        { "atk", "export.atk", 2 } };
    for (const auto &input : inputs) {
        const std::string path = DRAVON_SOURCE_DIR "/examples/" + std::string(input.file);
        ASSERT_EQ(
            run(std::string("--format ") + input.option + " '" + path + "' --save m.dvn").status, 0)
            << input.file;
        LineEditor dialog;
        dialog.m_Name = "TITEL"; // the new document's name
        dialog.m_Format = input.format;
        dialog.m_Datenauswahl = 0;
        dialog.fileRead(path); // the messages of a good file do not matter here
        const DocumentItems saved = savedDocument(dir + "/m.dvn");
        const well::Well well = wellOf(saved);
        EXPECT_EQ(well.name, dialog.m_Name) << input.file;
        EXPECT_EQ(saved.m_Format, input.format);
        EXPECT_EQ(well.survey.lines(), dialog.m_Eingabe) << input.file;
        EXPECT_EQ(well.info, dialog.m_Info) << input.file;
        EXPECT_TRUE(saved.m_Settings.empty());
        // The WEG file's remark "berücksichtigt" went through the program as text and
        // into the document as the one byte 0xFC it was in the file.
        if (input.format == 0) {
            std::string info;
            for (const std::string &line : saved.m_Info)
                info += line;
            EXPECT_NE(info.find("ber\xFC"
                                "cksichtigt"),
                std::string::npos);
        }
    }

    const Result stations = run("--stations - --name 'B 1' --save s.dvn", kStations);
    EXPECT_EQ(stations.status, 0);
    EXPECT_EQ(savedDocument(dir + "/s.dvn").m_Eingabe,
        (StringList { "100 0 0", "200 10 45", "300 20 90" }));

    const Result unwritable = run("--stations - --save /no/such/folder/s.dvn", kStations);
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("kann nicht in der Datei /no/such/folder/s.dvn gespeichert"),
        std::string::npos);
}

TEST_F(Cli, WellOptionsAreStoredAndWinOverStoredOnes)
{
    const Result first = run("--stations - --crs EPSG:25832 --wellhead 500000,5700000.5 "
                             "--elevation 250 --grid-convergence 1.5 --save a.dvn",
        kStations);
    EXPECT_EQ(first.status, 0) << first.err;
    // A well with a coordinate system has its table in grid north, still relative to the
    // wellhead: the table of the stations turned by hand by -1.5 degrees, but for the line
    // that names the north below the heading.
    const Result byHand
        = run("--stations - --north grid", "100 0 358.5\n200 10 43.5\n300 20 88.5\n");
    const auto withoutNorth = [](std::string table) {
        const std::size_t at = table.find("    NORD UND OST: ");
        return at == std::string::npos ? table : table.erase(at, table.find('\n', at) + 1 - at);
    };
    EXPECT_NE(first.out.find("\n    NORD UND OST: Gitternord (EPSG:25832); "
                             "Meridiankonvergenz 1.50\xC2\xB0\n"),
        std::string::npos);
    EXPECT_EQ(withoutNorth(first.out), withoutNorth(byHand.out));
    EXPECT_NE(withoutNorth(first.out), kTable);
    WellSettings expected;
    expected.wellhead = Wellhead { 500000.0, 5700000.5 };
    expected.epsg = 25832;
    expected.elevation = 250.0;
    expected.gridConvergence = 1.5;
    EXPECT_EQ(savedDocument(dir + "/a.dvn").m_Settings, expected);
    ASSERT_EQ(run("a.dvn --save a2.dvn").status, 0);
    EXPECT_EQ(slurp(dir + "/a2.dvn"), slurp(dir + "/a.dvn"));

    // A declination alone says the azimuths are magnetic; --north says otherwise.
    ASSERT_EQ(run("a.dvn --elevation -3.25 --declination 2 --save b.dvn").status, 0);
    expected.elevation = -3.25;
    expected.declination = 2.0;
    expected.north = NorthReference::Magnetic;
    EXPECT_EQ(savedDocument(dir + "/b.dvn").m_Settings, expected);
    ASSERT_EQ(run("b.dvn --north grid --declination 1 --save c.dvn").status, 0);
    expected.declination = 1.0;
    expected.north = NorthReference::Grid;
    EXPECT_EQ(savedDocument(dir + "/c.dvn").m_Settings, expected);

    for (const char *bad : { "--wellhead 500000", "--wellhead 5,6,7", "--wellhead 1e10,5",
             "--elevation hoch", "--elevation 1,5", "--crs 25832", "--crs EPSG:x",
             "--grid-convergence 181", "--declination nan", "--north south", "--save out.txt" }) {
        const Result r = run(std::string(bad) + " --stations -", kStations);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find(std::string(bad).substr(0, std::string(bad).find(' ')) + " erwartet"),
            std::string::npos)
            << r.err;
    }
}
