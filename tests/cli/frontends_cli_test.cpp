// The desktop program's document and the batch tool answer from one analysis: a document
// with a wellhead, an error model and two neighbouring wells, opened by both, gives the
// same exported stations, listing, clearance table and map to the byte, whether its file
// is called .dvn or .DVN, and the batch tool saves it again under either.
#include "clitool.h"

#include "document/dravondoc.h"
#include "export/clearancetable.h"
#include "export/exportformats.h"
#include "export/wellrows.h"
#include "geo/geojson.h"

#include <QString>

namespace {

using clitest::ToolTest;

well::Well placedWellWithNeighbours()
{
    well::Well w;
    w.name = "Ost 1";
    w.survey = well::surveyFromLines({ "0 0 0", "300 0 0", "600 18 40", "900 36 45",
        "1200 36 45" });
    WellSettings &s = w.settings;
    s.wellhead = Wellhead { 500000, 5700000 };
    s.elevation = 250;
    s.epsg = 25832;
    s.north = NorthReference::Grid;
    s.gridConvergence = 0.4;
    s.declination = 2.5;
    s.uncertainty.model = ErrorModel::IscwsaMwdRev5;
    s.uncertainty.totalField = 49000;
    s.uncertainty.dip = 67;
    s.clearance.holeDiameter = 0.31;
    OffsetWell north;
    north.name = "Nord";
    north.slotNorth = 25;
    north.stations = { { 0, 0, 0 }, { 500, 0, 0 }, { 1100, 30, 60 } };
    north.holeDiameter = 0.22;
    OffsetWell south;
    south.name = "Süd";
    south.slotNorth = -20;
    south.slotEast = 15;
    south.stations = { { 0, 0, 0 }, { 700, 12, 30 }, { 1000, 12, 30 } };
    south.uncertainty = s.uncertainty;
    south.uncertainty->model = ErrorModel::IscwsaMwdRev4;
    s.offsets = { north, south };
    return w;
}

class FrontEnds : public ToolTest
{
protected:
    // What the desktop program writes of its document: "Exportieren" as CSV, the path
    // dialog's listing at two depths, the scan's table and the map.
    void writeAsDesktop(const std::string &document)
    {
        CDravonDoc doc;
        std::string message;
        ASSERT_TRUE(doc.load(QString::fromStdString(dir + "/" + document), message)) << message;
        doc.recompute();
        ASSERT_FALSE(doc.trajectory().empty());
        ASSERT_EQ(doc.clearance().offsets.size(), 2u);

        surveyexport::ExportInfo info;
        info.borehole = "Ost 1";
        info.document = document;
        info.north = doc.analysis().courseNorth();
        const surveyexport::RowSettings rows = surveyexport::rowSettings(
            doc.settings(), doc.settings().unit, doc.settings().sectionAzimuth);
        ASSERT_TRUE(surveyexport::writeExport(dir + "/desktop-export.csv",
            surveyexport::ExportFormat::Csv, surveyexport::stationRows(doc.trajectory(), rows),
            info));
        const listing::Listing listed = surveyexport::wellRows(doc.trajectory(),
            { { listing::RequestKind::AtMd, 250 }, { listing::RequestKind::AtMd, 1000 } }, rows);
        info.listing = true;
        ASSERT_TRUE(surveyexport::writeExport(
            dir + "/desktop-listing.csv", surveyexport::ExportFormat::Csv, listed, info));
        info.listing = false;
        ASSERT_TRUE(surveyexport::writeClearance(dir + "/desktop-clearance.csv",
            surveyexport::ExportFormat::Csv, doc.clearance().scan, info));
        std::string map, why;
        ASSERT_TRUE(geo::geoJson(doc.trajectory(), doc.settings(), "Ost 1", map, why)) << why;
        write("desktop-map.geojson", map);
    }
};

TEST_F(FrontEnds, DocumentAndBatchToolWriteTheSameFiles)
{
    const DocumentItems items = itemsOf(placedWellWithNeighbours());
    for (const std::string document : { "bohrung.dvn", "BOHRUNG.DVN" }) {
        SCOPED_TRACE(document);
        ASSERT_TRUE(writeDocumentFile(dir + "/" + document, items));
        writeAsDesktop(document);
        const clitest::Result r = run(document
            + " --export batch-export.csv --export batch-map.geojson --at-md 250 --at-md 1000"
              " --listing batch-listing.csv --clearance batch-clearance.csv --save KOPIE.DVN");
        // The neighbours come closer than their uncertainties allow: status 3.
        ASSERT_EQ(r.status, 3) << r.err;
        for (const char *what : { "export.csv", "listing.csv", "clearance.csv", "map.geojson" }) {
            const std::string desktop = file(std::string("desktop-") + what);
            EXPECT_GT(desktop.size(), 200u) << what;
            EXPECT_EQ(desktop, file(std::string("batch-") + what)) << what;
        }
        // Saved as it was read, under an upper-case extension too.
        EXPECT_EQ(file("KOPIE.DVN"), file(document));
        // Both neighbours were scanned, each with its error model: the table names them
        // and gives factors.
        const std::string clearance = file("batch-clearance.csv");
        EXPECT_NE(clearance.find("Nord"), std::string::npos);
        EXPECT_NE(clearance.find("Süd"), std::string::npos);
    }
}

} // namespace
