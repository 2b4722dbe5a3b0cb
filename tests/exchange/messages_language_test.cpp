// The import's messages in another language, with their numbers and the names of the
// columns' meanings filled in, and the export's headings: German in the files whatever the
// language (a file format), in the chosen language where a dialog shows them.
#include "exchange/delimitedtext.h"
#include "exchange/lasfile.h"
#include "exchange/stationmapping.h"
#include "export/columntable.h"
#include "export/delimitedwriter.h"
#include "export/exportformats.h"
#include "tests/support/catalogue_stub.h"

#include <gtest/gtest.h>

using namespace exchange;

namespace {

TEST(MessagesInLanguage, ALasFaultNamesItsLine)
{
    const CatalogueStub english({ { { "LasDatei", "Zeile %d: mehr als %d Kurven." },
        "Line %d: more than %d curves (\u2264 %d wanted)." } });
    // Conversions that differ from the German ones: the German text stays.
    std::string las = "~V\n VERS. 2.0 :\n~C\n";
    for (int i = 0; i <= kMaxColumns; ++i)
        las += " C" + std::to_string(i) + ".M :\n";
    const SurveyFileRead read = readLas(las);
    ASSERT_TRUE(read.fault);
    EXPECT_EQ(read.fault->message,
        "Zeile " + std::to_string(kMaxColumns + 4) + ": mehr als " + std::to_string(kMaxColumns)
            + " Kurven.");

    const CatalogueStub right(
        { { { "LasDatei", "Zeile %d: WRAP muss YES oder NO sein, nicht „%s“." },
            "Line %d: WRAP must be YES or NO, not \u201c%s\u201d." } });
    const SurveyFileRead wrap = readLas("~V\n VERS. 2.0 :\n WRAP. VIELLEICHT :\n");
    ASSERT_TRUE(wrap.fault);
    EXPECT_EQ(wrap.fault->row, 3);
    EXPECT_EQ(wrap.fault->message, "Line 3: WRAP must be YES or NO, not “VIELLEICHT”.");
}

TEST(MessagesInLanguage, ARefusedCellNamesTheMeaningInTheLanguage)
{
    const CatalogueStub english({ { { "Tabellenimport", "Zeile %d, %s" }, "Row %d, %s" },
        { { "Tabellenimport", "Spalte %d (%s)" }, "column %d (%s)" },
        { { "Tabellenimport", "%s: die Zelle für %s ist leer." }, "%s: the cell for %s is empty." },
        { { "Tabellenimport", "Neigung" }, "inclination" } });
    const DelimitedRead table
        = readDelimited("MD;Inc;Azi\n100;1;2\n200;;4\n", Delimiter::Automatic);
    const StationImport import = importStations(table.table, {});
    ASSERT_TRUE(import.fault);
    EXPECT_EQ(import.fault->message, "Row 3, column 2 (B): the cell for inclination is empty.");
    EXPECT_EQ(meaningName(Depth), "Teufe") << "no entry: the German source";
}

TEST(MessagesInLanguage, TheExportKeepsItsGermanHeadingsTheDialogShowsThemTranslated)
{
    const CatalogueStub english({ { { "Export", "Teufe" }, "MD" },
        { { "Export", "Vertikalschnitt bei %1°" }, "Vertical section at %1°" },
        { { "Export", "Fehlermodell" }, "Error model" },
        { { "Export", "%1, Ellipse %2 σ (σ und Kovarianzen: 1 σ)" },
            "%1, ellipse %2 σ (σ and covariances: 1 σ)" },
        { { "Export", "Excel-Arbeitsmappe (*.xlsx)" }, "Excel workbook (*.xlsx)" } });
    listing::Listing rows;
    rows.sectionAzimuth = 12.5;
    rows.uncertainty = unc::Inputs {};
    rows.ellipseSigma = 2.5;
    const surveyexport::ColumnTable table = surveyexport::listingTable(rows, false);

    const auto headingOf = [&](const std::string &fileHeading) {
        for (const surveyexport::Column &c : table.columns)
            if (c.heading() == fileHeading)
                return c.heading(decimalsign::Sign::Comma, surveyexport::Words::Shown);
        return std::string("(missing)");
    };
    EXPECT_EQ(headingOf("Teufe (m)"), "MD (m)");
    EXPECT_EQ(headingOf("Vertikalschnitt bei 12.50° (m)"), "Vertical section at 12,50° (m)");
    EXPECT_EQ(headingOf("Neigung (°)"), "Neigung (°)") << "no entry: the German source";

    const std::string csv = surveyexport::delimitedText(table, surveyexport::csvStyle());
    EXPECT_NE(csv.find("Teufe (m),Neigung (°)"), std::string::npos) << csv.substr(0, 200);
    EXPECT_EQ(csv.find("MD"), std::string::npos) << "the file's headings stay German";

    const auto shown = table.titleRows(decimalsign::Sign::Comma, surveyexport::Words::Shown);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front().label, "Error model");
    EXPECT_EQ(shown.front().value, "ISCWSA MWD Rev. 5, ellipse 2,5 σ (σ and covariances: 1 σ)");
    EXPECT_EQ(table.titleRows().front().value,
        "ISCWSA MWD Rev. 5, Ellipse 2.5 σ (σ und Kovarianzen: 1 σ)");

    std::string xlsx;
    for (const surveyexport::ExportFormatEntry &e : surveyexport::exportFormats())
        if (e.format == surveyexport::ExportFormat::Xlsx)
            xlsx = e.filter;
    EXPECT_EQ(xlsx, "Excel workbook (*.xlsx)");
}

} // namespace
