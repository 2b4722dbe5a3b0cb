#include "cli/batchrun.h"

#include "cli/batchdialog.h"
#include "cli/cliprompter.h"
#include "cli/linesource.h"
#include "core/cformat.h"
#include "core/win1252.h"
#include "document/dravondoc.h"
#include "document/resultsfile.h"
#include "exchange/stationmapping.h"
#include "exchange/tablefile.h"
#include "export/delimitedwriter.h"
#include "export/exportformats.h"
#include "geo/geojson.h"
#include "geo/projection.h"
#include "graph/pageexport.h"
#include "graph/sectionview.h"
#include "input/measurementreader.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

namespace {

void complain(const std::string &germanUtf8)
{
    std::fprintf(stderr, "dravon-cli: %s\n", germanUtf8.c_str());
}

bool writeBytes(const std::string &path, const std::string &bytes)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

bool isDocumentFile(const std::string &path)
{
    return std::string_view(path).ends_with(".dvn");
}

// Reads a table (delimited text or .xlsx) into station lines for the dialog; false after
// telling why the file is refused.
bool importTable(const CliOptions &options, BatchDialog &dialog)
{
    std::string bytes;
    exchange::TableFault fault;
    // Standard input is read with the same bound as a file.
    if (!exchange::readTableFile(
            options.input == "-" ? "/dev/stdin" : options.input, bytes, fault)) {
        complain(win1252::toUtf8(fault.message));
        return false;
    }
    const auto format = options.table == CliOptions::TableKind::Xlsx
        ? exchange::TableFormat::Xlsx
        : exchange::TableFormat::Delimited;
    const exchange::TableLoad load
        = exchange::loadTable(bytes, format, options.delimiter, win1252::fromUtf8(options.sheet));
    if (load.fault) {
        complain(options.input + ": " + win1252::toUtf8(load.fault->message));
        return false;
    }
    exchange::MappingRequest request = options.mapping;
    request.step = schrittweite(options.datenauswahl);
    const exchange::StationImport import = exchange::importStations(load.table, request);
    if (import.fault) {
        complain(options.input + ": " + win1252::toUtf8(import.fault->message));
        return false;
    }
    dialog.setImported(import.stations,
        options.input == "-" ? std::string() : exchange::nameFromPath(options.input));
    return true;
}

} // namespace

int runBatch(const CliOptions &options, int argc, char **argv)
{
    // The graph page needs fonts, that is a QGuiApplication; without a display it runs
    // on the offscreen platform.
    std::unique_ptr<QGuiApplication> app;
    if (!options.plotFile.empty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    CliPrompter prompter;
    BatchDialog dialog(options, prompter);
    CDravonDoc doc(prompter, dialog);
    doc.OnNewDocument();

    if (!options.stationsMode && isDocumentFile(options.input)) {
        if (!doc.OnOpenDocument(QString::fromStdString(options.input)))
            return 2; // the document told why on stderr
    } else if (options.table != CliOptions::TableKind::None) {
        if (!importTable(options, dialog))
            return 2;
        doc.OnDataChange();
    } else {
        std::string bytes;
        if (!readAllBytes(options.input, bytes)) {
            complain("Die Datei " + options.input + " kann nicht gelesen werden.");
            return 2;
        }
        dialog.setInput(std::move(bytes));
        doc.OnDataChange();
    }
    bool fault = dialog.readerFault() || !doc.lastCheckClean() || doc.lastRunAborted();

    for (float depth : options.interpolate) {
        prompter.nextNumber = depth;
        const InterpolationOutcome outcome = doc.OnInterpolation();
        if (outcome == InterpolationOutcome::NoResult && !doc.lastRunAborted()) {
            // Only the surface station: the depth was accepted but there is no interval
            // to interpolate in, and nothing else tells the user why no result came.
            complain(cfmt("Bei der Teufe %g kann nicht interpoliert werden: "
                          "es gibt keinen Messpunkt unter dem Ansatzpunkt.",
                static_cast<double>(depth)));
        }
        fault = outcome != InterpolationOutcome::Shown || fault;
    }

    // Given options win over what the document file stored; so do --unit and
    // --section-azimuth.
    doc.setWellSettings(withWellOptions(options, doc.m_WellSettings));
    const std::optional<double> sectionAzimuth
        = options.sectionAzimuth ? options.sectionAzimuth : doc.m_WellSettings.sectionAzimuth;
    const listing::Unit unit = options.unitGiven ? options.unit : doc.m_WellSettings.unit;
    const bool wantsStations = std::any_of(options.exportFiles.begin(), options.exportFiles.end(),
        [](const std::string &path) { return !isGeoJsonPath(path); });

    // Absolute columns where the settings (with the coordinate system) give them; a
    // wellhead that cannot be placed is said once.
    std::optional<geo::Placement> placement;
    const auto place = [&](listing::Listing &rows) {
        if (!placement) {
            std::string unplaced;
            placement = geo::bestPlacement(doc.m_WellSettings, &unplaced);
            if (!unplaced.empty()) {
                complain(unplaced);
                fault = true;
            }
        }
        geo::placeRows(rows, *placement);
    };
    std::optional<listing::Listing> rows;
    if (!options.listingFile.empty()) {
        rows = listing::buildListing(doc.trajectory(), options.requests, unit, sectionAzimuth);
        for (const std::string &text : rows->faults)
            complain(win1252::toUtf8(text));
        fault = fault || !rows->faults.empty();
        place(*rows);
    }
    std::optional<listing::Listing> stations;
    if (wantsStations) {
        stations = listing::buildListing(doc.trajectory(), {}, unit, sectionAzimuth);
        place(*stations);
    }

    int status = fault ? 1 : 0;
    surveyexport::ExportInfo info;
    info.borehole = win1252::toUtf8(doc.m_Name);
    info.document = options.input == "-" ? std::string() : options.input;
    if (rows) {
        info.listing = true;
        const auto format = surveyexport::exportFormatForPath(options.listingFile);
        const bool written = format == surveyexport::ExportFormat::Xlsx
            ? surveyexport::writeExport(options.listingFile, *format, *rows, info)
            : writeBytes(options.listingFile, surveyexport::listingCsv(*rows));
        if (!written) {
            complain("Die Liste " + options.listingFile + " kann nicht geschrieben werden.");
            status = 2;
        }
        info.listing = false;
    }
    // --export: the file name's extension says what is written.
    for (const std::string &path : options.exportFiles) {
        if (isGeoJsonPath(path)) {
            std::string bytes, why;
            if (!geo::geoJson(
                    doc.trajectory(), doc.m_WellSettings, win1252::toUtf8(doc.m_Name), bytes, why)) {
                complain(path + ": " + why);
                status = 2;
            } else if (!writeBytes(path, bytes)) {
                complain("Die Karte " + path + " kann nicht geschrieben werden.");
                status = 2;
            }
            continue;
        }
        const auto format = surveyexport::exportFormatForPath(path, options.germanCsv);
        if (!format || !surveyexport::writeExport(path, *format, *stations, info)) {
            complain("Die Exportdatei " + path + " kann nicht geschrieben werden.");
            status = 2;
        }
    }
    const std::string title = doc.titleText();
    if (!options.resultsFile.empty()
        && !writeResultsFile(options.resultsFile, title, doc.m_Ergebnisse)) {
        complain("Die Ergebnisdatei " + options.resultsFile + " kann nicht geschrieben werden.");
        status = 2;
    }
    if (!options.plotFile.empty()) {
        std::string error;
        const bool drawn = options.sectionView
            ? exportGraphPage(sectionPlotData(doc.plotTrajectory(), doc.name(),
                                  sectionAzimuthOf(doc.plotTrajectory(), sectionAzimuth), unit),
                title, options.plotFile, error, options.trueScale)
            : exportGraphPage(plotDataOf(doc.plotTrajectory(), plotViewOf(doc.view()), doc.name()),
                title, options.plotFile, error, options.trueScale);
        if (!drawn) {
            complain(win1252::toUtf8(error));
            status = 2;
        }
    }

    // As "Speichern" would; a faulty input is saved as far as it was read, and the
    // status says so.
    if (!options.savePath.empty() && !doc.OnSaveDocument(QString::fromStdString(options.savePath)))
        status = 2; // the document told why on stderr

    for (const std::string &entry : doc.m_Ergebnisse)
        writeUtf8Line(stdout, entry);
    for (const std::string &result : prompter.interpolationResults)
        writeUtf8Line(stdout, result);
    std::fflush(stdout);
    return status;
}
