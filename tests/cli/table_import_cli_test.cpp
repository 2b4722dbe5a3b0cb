// The batch tool reading tables: the CSV and the LibreOffice workbook give the results
// table of the free-format example, feet become metres, refused files exit with 2 and a
// message that names row and column.
#include "tests/cli/clitool.h"

namespace {

using namespace clitest;

const std::string kData = DRAVON_SOURCE_DIR "/tests/data/exchange/";
const std::string kName = "--name 'Bohrung Nordfeld 7 - Ablenkbohrung' ";

using TableCli = ToolTest;

// The measured depths of the results table's rows: "   30.0-  60.0 ..." gives 30 and 60.
std::vector<std::pair<double, double>> depthRanges(const std::string &table)
{
    std::vector<std::pair<double, double>> ranges;
    std::istringstream lines(table);
    std::string line;
    while (std::getline(lines, line)) {
        double from = 0, to = 0;
        char dash = 0;
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        if (fields >> from >> dash >> to && dash == '-')
            ranges.emplace_back(from, to);
    }
    return ranges;
}

} // namespace

TEST_F(TableCli, CsvAndWorkbookGiveTheTableOfTheFreeFormatFile)
{
    const Result free = run(DRAVON_SOURCE_DIR "/examples/deviated-well.txt");
    ASSERT_EQ(free.status, 0) << free.err;
    ASSERT_GT(free.out.size(), 5000u);

    const Result csv = run(kName + kData + "deviated-well-semicolon.csv");
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out, free.out);
    EXPECT_EQ(csv.err, "");

    const Result xlsx = run(kName + kData + "deviated-well-azimut-md-inc.xlsx");
    EXPECT_EQ(xlsx.status, 0) << xlsx.err;
    EXPECT_EQ(xlsx.out, free.out);

    // Chosen by hand instead of detected, the result is the same.
    const Result chosen
        = run(kName + "--format csv --delimiter ';' --decimal comma --columns Teufe,2,Azimut "
            + kData + "deviated-well-semicolon.csv");
    EXPECT_EQ(chosen.out, free.out) << chosen.err;
    const Result sheet = run(kName + "--sheet Messung --columns MD,INC,AZI " + kData
        + "deviated-well-azimut-md-inc.xlsx");
    EXPECT_EQ(sheet.out, free.out) << sheet.err;

    // Without --name the file gives the name.
    const Result named = run(kData + "deviated-well-semicolon.csv");
    EXPECT_EQ(named.out.substr(0, named.out.find('\n')), "deviated-well-semicolon");
}

TEST_F(TableCli, FeetBecomeMetres)
{
    const Result metres = run(kData + "deviated-well-semicolon.csv");
    const Result feet = run("--depth-unit ft " + kData + "deviated-well-semicolon.csv");
    ASSERT_EQ(feet.status, 0) << feet.err;
    const auto m = depthRanges(metres.out), f = depthRanges(feet.out);
    ASSERT_EQ(m.size(), 95u);
    ASSERT_EQ(f.size(), m.size());
    for (size_t i = 0; i < m.size(); ++i) {
        // The table prints one decimal of a station rounded to two: within 0.06 m.
        EXPECT_NEAR(f[i].second, m[i].second * 0.3048, 0.06) << "station " << i + 1;
    }
    // The survey written in feet reads back as the metres of the example; its heading
    // "MD [ft]" says so already, unless metres are asked for.
    const Result fromFeet = run("--depth-unit ft " + kData + "deviated-well-feet.csv");
    EXPECT_EQ(depthRanges(fromFeet.out), m);
    EXPECT_EQ(run(kData + "deviated-well-feet.csv").out, fromFeet.out);
    const auto asMetres
        = depthRanges(run("--depth-unit m " + kData + "deviated-well-feet.csv").out);
    ASSERT_EQ(asMetres.size(), m.size());
    EXPECT_NEAR(asMetres.back().second, m.back().second / 0.3048, 0.06);
}

TEST_F(TableCli, RefusedFilesExitWithTwoAndNameRowAndColumn)
{
    const std::string bad = write("bad.csv", "Teufe;Neigung;Azimut\n30;0,5;120\n60;0,x;121\n");
    const Result r = run(bad);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(
        r.err.find("Zeile 3, Spalte 2 (B): „0,x“ ist keine Zahl für Neigung."), std::string::npos)
        << r.err;

    const std::string fake = write("fake.xlsx", "Teufe;Neigung;Azimut\n30;0,5;120\n");
    const Result notWorkbook = run(fake);
    EXPECT_EQ(notWorkbook.status, 2);
    EXPECT_NE(notWorkbook.err.find("keine Excel-Arbeitsmappe"), std::string::npos)
        << notWorkbook.err;

    const std::string workbook = slurp(kData + "deviated-well-azimut-md-inc.xlsx");
    const Result cut = run(write("cut.xlsx", workbook.substr(0, workbook.size() - 100)));
    EXPECT_EQ(cut.status, 2);
    EXPECT_NE(cut.err.find("beschädigt oder unvollständig"), std::string::npos) << cut.err;

    EXPECT_EQ(run("--sheet 9 " + kData + "deviated-well-azimut-md-inc.xlsx").status, 2);
    EXPECT_EQ(run("missing.csv").status, 2);
}

TEST_F(TableCli, TableOptionsNeedATable)
{
    const Result r = run("--decimal comma " DRAVON_SOURCE_DIR "/examples/deviated-well.txt");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--decimal gilt nur für Tabellen"), std::string::npos) << r.err;
    EXPECT_EQ(run("--delimiter tab " + kData + "deviated-well-azimut-md-inc.xlsx").status, 2);
    EXPECT_EQ(run("--columns 1,2 " + kData + "deviated-well-semicolon.csv").status, 2);
    // --format csv reads a .txt file as a table: the free-format example has blanks
    // between its columns and a name line above them.
    const Result txt = run("--format csv " DRAVON_SOURCE_DIR "/examples/deviated-well.txt");
    EXPECT_EQ(txt.status, 0) << txt.err;
    EXPECT_EQ(depthRanges(txt.out).size(), 95u);
}

TEST_F(TableCli, LegacyWorkbooksAndReportsWithRowsBelowTheTable)
{
    // The .xls saved by LibreOffice gives what its .xlsx twin gives, by extension or by
    // --format whatever the name.
    const Result xlsx = run(kName + kData + "deviated-well-azimut-md-inc.xlsx");
    ASSERT_EQ(xlsx.status, 0) << xlsx.err;
    const Result xls = run(kName + kData + "deviated-well-azimut-md-inc.xls");
    EXPECT_EQ(xls.status, 0) << xls.err;
    EXPECT_EQ(xls.out, xlsx.out);
    EXPECT_EQ(xls.err, "");
    const std::string renamed
        = write("messung.dat", slurp(kData + "deviated-well-azimut-md-inc.xls"));
    EXPECT_EQ(run(kName + "--format xls --sheet Messung " + renamed).out, xlsx.out);

    // The real report: read whole, the rows below named on standard error, status 0; its
    // last station's TVD is the report's own 3713.77 ft = 1131.96 m.
    const Result report = run(kData + "well-10H.xls");
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(report.err,
        "dravon-cli: " + kData
            + "well-10H.xls: Zeilen 168 bis 176 nach der Tabelle nicht gelesen\n");
    const auto ranges = depthRanges(report.out);
    ASSERT_EQ(ranges.size(), 120u);
    EXPECT_NEAR(ranges.back().second, 9478.9 * 0.3048, 0.05);
    EXPECT_NE(report.out.rfind("1131.96"), std::string::npos);

    const Result notes = run(kData + "report-notes.csv");
    EXPECT_EQ(notes.status, 0) << notes.err;
    EXPECT_NE(notes.err.find("Zeilen 15 bis 17 nach der Tabelle nicht gelesen"), std::string::npos)
        << notes.err;
    EXPECT_EQ(depthRanges(notes.out).size(), 5u);
}

TEST_F(TableCli, AFileThatIsNotWhatItsNameSaysIsRefusedByName)
{
    // A text renamed to .xls was once read as a measurement file ("In der 1.Zeile 100
    // Zeichen gelesen").
    const std::string text = write("bericht.xls", "Teufe;Neigung;Azimut\n30;0,5;120\n");
    const Result r = run(text);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "dravon-cli: Die Datei " + text + " ist keine Excel-Arbeitsmappe (.xls).\n");

    const std::string empty = write("leer.csv", "");
    EXPECT_EQ(run(empty).err, "dravon-cli: Die Datei " + empty + " ist leer.\n");
    EXPECT_NE(run("--format xlsx " + text).err.find("ist keine Excel-Arbeitsmappe (.xlsx)."),
        std::string::npos);
    EXPECT_EQ(run("--delimiter tab " + kData + "well-10H.xls").status, 2);
}
