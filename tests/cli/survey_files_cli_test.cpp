// The batch tool reading LAS and WITSML surveys and writing the computed survey as a
// WITSML trajectory: by extension or --format, the trajectory chosen with --sheet, the
// well's name from the file, a refused file with status 2 and its message, and an
// exported trajectory read back giving the same results table.
#include "tests/cli/clitool.h"

namespace {

using namespace clitest;

const std::string kData = DRAVON_SOURCE_DIR "/tests/data/exchange/";

using SurveyFileCli = ToolTest;

std::string firstLine(const std::string &text)
{
    return text.substr(0, text.find('\n'));
}

} // namespace

TEST_F(SurveyFileCli, LasByExtensionOrFormatWithTheWellsName)
{
    const Result las = run(kData + "build-metres.las");
    ASSERT_EQ(las.status, 0) << las.err;
    EXPECT_EQ(las.err, "");
    EXPECT_EQ(firstLine(las.out), "Aufbau 3-30");
    // 20 intervals of 30 m; the NULL depth at 630 m is no station.
    EXPECT_NE(las.out.find(" 570.0- 600.0"), std::string::npos) << las.out;
    EXPECT_EQ(las.out.find(" 600.0- 630.0"), std::string::npos) << las.out;

    // The same file under another name, read by --format.
    write("vermessung.txt", slurp(kData + "build-metres.las"));
    const Result chosen = run("--format las vermessung.txt");
    EXPECT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_EQ(chosen.out, las.out);

    // Columns chosen by mnemonic, as for any table.
    const Result columns = run("--columns DEPT,INC,AZI " + kData + "build-metres.las");
    EXPECT_EQ(columns.out, las.out) << columns.err;
}

TEST_F(SurveyFileCli, WitsmlTrajectoryChosenWithSheet)
{
    const Result first = run(kData + "two-trajectories.xml");
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(firstLine(first.out), "Feld Nord 7 A");
    EXPECT_NE(first.out.find(" 100.0- 200.0"), std::string::npos) << first.out;

    const Result second = run("--sheet 2 " + kData + "two-trajectories.xml");
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_NE(second.out.find(" 609.6- 914.4"), std::string::npos) << second.out;
    const Result byName
        = run("--format witsml --sheet 'Definitiv & geprüft' " + kData + "two-trajectories.xml");
    EXPECT_EQ(byName.out, second.out) << byName.err;

    const Result missing = run("--sheet 3 " + kData + "two-trajectories.xml");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("keine Trajektorie „3“; sie hat „Plan“, „Definitiv & geprüft“"),
        std::string::npos)
        << missing.err;
    EXPECT_EQ(missing.out, "");

    // A LAS file has no trajectories to choose from.
    const Result lasSheet = run("--sheet 2 " + kData + "build-metres.las");
    EXPECT_EQ(lasSheet.status, 2);
    EXPECT_NE(
        lasSheet.err.find("--sheet gilt nur für .xlsx-, .xls- und WITSML-Dateien"), std::string::npos);
}

TEST_F(SurveyFileCli, ExportedTrajectoryReadsBackToTheSameTable)
{
    for (const std::string source : { "build-metres.las", "build-feet.las" }) {
        const Result exported = run("--unit ft --export bahn.xml " + kData + source);
        ASSERT_EQ(exported.status, 0) << exported.err;
        const std::string xml = file("bahn.xml");
        EXPECT_EQ(xml.rfind("<?xml", 0), 0u);
        EXPECT_NE(xml.find("<trajectorys"), std::string::npos);

        const Result back = run("bahn.xml");
        ASSERT_EQ(back.status, 0) << back.err;
        EXPECT_EQ(back.out, exported.out) << source;
    }
}

TEST_F(SurveyFileCli, RefusedFilesExitWithTheirMessage)
{
    write("umgebrochen.las",
        "~VERSION\n VERS. 2.0 :\n WRAP. YES :\n~CURVE\n DEPT.M :\n INC.DEG :\n AZI.DEG :\n~A\n"
        "0\n0 0\n");
    const Result wrapped = run("umgebrochen.las");
    EXPECT_EQ(wrapped.status, 2);
    EXPECT_EQ(wrapped.out, "");
    EXPECT_NE(wrapped.err.find("umgebrochen.las: Zeile 3: umgebrochene Datenzeilen (WRAP YES)"),
        std::string::npos)
        << wrapped.err;

    write("leer.xml", "<?xml version=\"1.0\"?>\n<trajectorys/>\n");
    const Result empty = run("leer.xml");
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("enthält keine Trajektorie"), std::string::npos) << empty.err;

    const Result delimiter = run("--delimiter ';' " + kData + "build-metres.las");
    EXPECT_EQ(delimiter.status, 2);
    EXPECT_NE(delimiter.err.find("nicht für .xls, LAS und WITSML"), std::string::npos);
}
