#include "cli/batchrun.h"

#include "cli/linesource.h"
#include "cli/textout.h"
#include "core/atomicfile.h"
#include "core/cformat.h"
#include "core/win1252.h"
#include "document/docfile.h"
#include "document/resultsfile.h"
#include "exchange/stationmapping.h"
#include "exchange/tablefile.h"
#include "export/delimitedwriter.h"
#include "export/errorterms.h"
#include "export/exportformats.h"
#include "export/wellrows.h"
#include "geo/errormodelinputs.h"
#include "geo/geojson.h"
#include "graph/pageexport.h"
#include "graph/plotuncertainty.h"
#include "graph/sectionview.h"
#include "graph3d/view3dexport.h"
#include "graph3d/view3dscene.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"
#include "well/computation.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>
#include <optional>
#include <string_view>

namespace {

void complain(const std::string &germanUtf8)
{
    std::fprintf(stderr, "dravon-cli: %s\n", germanUtf8.c_str());
}

// A message of the program as the desktop shows it in a box: one line on standard error.
void tell(const std::string &text)
{
    writeUtf8Line(stderr, text);
}

bool isDocumentFile(const std::string &path)
{
    return std::string_view(path).ends_with(".dvn");
}

// The file name without its folder in the program's character set: the title under
// which an opened document's results are written.
std::string titleOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    return win1252::fromUtf8(slash == std::string::npos ? path : path.substr(slash + 1));
}

// Reads a table (delimited text, .xlsx, .xls, LAS or WITSML) into the well's stations;
// false after telling why the file is refused. Rows below the table that were not read are
// named on standard error; they are no fault.
bool importTable(const CliOptions &options, well::Well &well)
{
    exchange::TableFileBytes bytes;
    exchange::TableFault fault;
    // Standard input is read with the same bound as a file.
    if (!exchange::readTableFile(
            options.input == "-" ? "/dev/stdin" : options.input, bytes, fault)) {
        complain(win1252::toUtf8(fault.message));
        return false;
    }
    auto format = options.table == CliOptions::TableKind::Xlsx ? exchange::TableFormat::Xlsx
        : options.table == CliOptions::TableKind::Xls          ? exchange::TableFormat::Xls
        : options.table == CliOptions::TableKind::Las          ? exchange::TableFormat::Las
        : options.table == CliOptions::TableKind::Witsml       ? exchange::TableFormat::Witsml
                                                               : exchange::TableFormat::Delimited;
    if (const auto refused = exchange::checkTableContent(
            options.input == "-" ? std::string("(Standardeingabe)") : options.input, bytes.view(),
            format)) {
        complain(win1252::toUtf8(refused->message));
        return false;
    }
    exchange::MappingRequest request = options.mapping;
    request.step = schrittweite(options.datenauswahl);
    std::string wellName; // as a LAS or WITSML file states it
    exchange::StationImport import = exchange::importTableStations(bytes.view(), format,
        options.delimiter, win1252::fromUtf8(options.sheet), request, &wellName);
    if (import.fault) {
        complain(options.input + ": " + win1252::toUtf8(import.fault->message));
        return false;
    }
    if (const std::string notice = import.notice(); !notice.empty())
        complain(options.input + ": " + notice);
    // A table brings no descriptive lines and leaves the format choice alone.
    well.survey = std::move(import.survey);
    well.info.clear();
    if (!wellName.empty())
        well.name = wellName;
    else
        well.name = options.input == "-" ? std::string() : exchange::nameFromPath(options.input);
    return true;
}

// Reads a measurement file or station lines into the well; false when the file cannot be
// read. `readerFault` tells whether the reader stopped at a faulty line.
bool readInput(const CliOptions &options, well::Well &well, bool &readerFault)
{
    std::string bytes;
    if (!readAllBytes(options.input, bytes)) {
        complain("Die Datei " + options.input + " kann nicht gelesen werden.");
        return false;
    }
    const StringList lines = splitLines(bytes);
    if (options.stationsMode) {
        well.survey = well::surveyFromLines(lines);
        return true;
    }
    const MeasurementRead read = readMeasurement(
        lines, options.format, schrittweite(options.datenauswahl), well.name, well.info);
    for (const ReadFault &f : read.faults)
        tell(f.message);
    readerFault = read.aborted;
    well.survey = well::surveyFromLines(read.stations);
    well.info = read.info;
    well.name = read.name;
    well.format = options.format;
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

    well::Well well;
    std::string title = "Unbenannt";
    bool readerFault = false;
    if (!options.stationsMode && isDocumentFile(options.input)) {
        DocumentItems items;
        std::string message;
        if (!readDocumentFile(options.input, options.input, items, message)) {
            tell(message);
            return 2;
        }
        well = wellOf(std::move(items));
        title = titleOf(options.input);
    } else if (options.table != CliOptions::TableKind::None) {
        if (!importTable(options, well))
            return 2;
    } else if (!readInput(options, well, readerFault)) {
        return 2;
    }
    if (options.name)
        well.name = win1252::fromUtf8(*options.name);

    // Given options win over what the document file stored; so do --unit and
    // --section-azimuth.
    const WellSettings settings = withWellOptions(options, well.settings);
    const std::optional<double> sectionAzimuth
        = options.sectionAzimuth ? options.sectionAzimuth : settings.sectionAzimuth;
    const listing::Unit unit = options.unitGiven ? options.unit : settings.unit;
    const bool wantsStations = std::any_of(options.exportFiles.begin(), options.exportFiles.end(),
        [](const std::string &path) { return !isGeoJsonPath(path); });

    // An error model that lacks an input is refused before anything is computed or
    // written, when something would use it or keep it: the listing, the exports, the
    // error terms, the graph page, the saved document, or the model named on the command
    // line.
    std::optional<unc::Inputs> uncertainty;
    const ErrorModel model = settings.uncertainty.model;
    if (model != ErrorModel::None
        && (wantsStations || !options.listingFile.empty() || !options.errorTermsFile.empty()
            || !options.plotFile.empty() || !options.savePath.empty() || options.errorModel)) {
        unc::MissingInput missing = unc::MissingInput::None;
        uncertainty = geo::errorModelInputs(settings, &missing);
        if (!uncertainty) {
            complain(missingInputMessage(model, missing));
            return 2;
        }
    }
    if (!options.errorTermsFile.empty() && !uncertainty) {
        complain("--error-terms braucht ein Fehlermodell (--error-model iscwsa-mwd-rev5 oder "
                 "iscwsa-mwd-rev4, oder eines im Dokument).");
        return 2;
    }

    well::Computation result;
    well::computeCourse(well, result);
    const traj::Trajectory &path = result.path;

    // Absolute columns where the settings (with the coordinate system) give them; a
    // wellhead that cannot be placed is said once, where the rows are made.
    std::optional<surveyexport::RowSettings> rowSettings;
    std::string unplaced;
    if (wantsStations || !options.listingFile.empty())
        rowSettings = surveyexport::rowSettings(settings, unit, sectionAzimuth, &unplaced);

    surveyexport::ExportInfo info;
    info.borehole = win1252::toUtf8(well.name);
    info.document = options.input == "-" ? std::string() : options.input;
    info.north = settings.north;

    // The station exports are made and written a piece at a time (a million stations are
    // never held as rows), on a second thread while the results table is made: the
    // trajectories are not changed by the table. Their messages are said in order below.
    const surveyexport::RowSource stations = wantsStations
        ? surveyexport::stationRows(path, *rowSettings)
        : surveyexport::RowSource {};
    std::future<std::vector<bool>> exported = std::async(std::launch::async, [&] {
        std::vector<bool> written;
        for (const std::string &file : options.exportFiles) {
            const auto format = surveyexport::exportFormatForPath(file, options.germanCsv);
            written.push_back(isGeoJsonPath(file)
                || (format && surveyexport::writeExport(file, *format, stations, info)));
        }
        return written;
    });

    // The results table goes to standard output as it is made, unless the results file
    // needs it too; the messages follow on standard error.
    const bool keepTable = !options.resultsFile.empty();
    if (keepTable)
        well::computeTable(well, result, {});
    else
        well::computeTable(well, result, [](const std::string &line) { writeUtf8Line(stdout, line); });
    const std::vector<bool> written = exported.get();
    for (const well::Diagnostic &d : result.diagnostics)
        tell(well::germanText(d));
    bool fault = readerFault || !result.clean() || result.aborted;

    // Each depth is a point on the computed path; nothing is computed again.
    std::vector<std::string> interpolated;
    for (float depth : options.interpolate) {
        const well::Interpolation answer = well::interpolate(result, depth);
        const std::string text = well::germanText(answer.diagnostic);
        switch (answer.diagnostic.id) {
        case well::Message::InterpolationResult:
            interpolated.push_back(text);
            break;
        case well::Message::NoStations:
        case well::Message::DepthBeyondLast:
            tell(text);
            break;
        default:
            complain(win1252::toUtf8(text));
            break;
        }
        fault = !answer.point || fault;
    }
    // Said where the first rows are placed, as when they were placed one by one.
    const auto sayUnplaced = [&] {
        if (!unplaced.empty()) {
            complain(unplaced);
            fault = true;
            unplaced.clear();
        }
    };
    well.settings = settings;

    std::optional<listing::Listing> rows;
    if (!options.listingFile.empty()) {
        rows = surveyexport::wellRows(path, options.requests, *rowSettings);
        for (const std::string &text : rows->faults)
            complain(win1252::toUtf8(text));
        fault = fault || !rows->faults.empty();
        sayUnplaced();
    }
    if (wantsStations)
        sayUnplaced();

    int status = fault ? 1 : 0;
    if (rows) {
        info.listing = true;
        const auto format = surveyexport::exportFormatForPath(options.listingFile);
        // Streamed to the file: a long listing is never held twice in memory.
        const bool done = surveyexport::writeExport(
            options.listingFile, format.value_or(surveyexport::ExportFormat::Csv), *rows, info);
        if (!done) {
            complain("Die Liste " + options.listingFile + " kann nicht geschrieben werden.");
            status = 2;
        }
        info.listing = false;
    }
    // --export: the file name's extension says what is written.
    for (std::size_t k = 0; k < options.exportFiles.size(); ++k) {
        const std::string &file = options.exportFiles[k];
        if (isGeoJsonPath(file)) {
            std::string bytes, why;
            if (!geo::geoJson(path, well.settings, win1252::toUtf8(well.name), bytes, why)) {
                complain(file + ": " + why);
                status = 2;
            } else if (!atomicfile::writeFile(file, bytes)) {
                complain("Die Karte " + file + " kann nicht geschrieben werden.");
                status = 2;
            }
        } else if (!written[k]) {
            complain("Die Exportdatei " + file + " kann nicht geschrieben werden.");
            status = 2;
        }
    }
    if (uncertainty && !options.errorTermsFile.empty()
        && !surveyexport::writeErrorTerms(options.errorTermsFile, path, *uncertainty, unit)) {
        complain("Die Datei der Fehlerterme " + options.errorTermsFile
            + " kann nicht geschrieben werden.");
        status = 2;
    }
    if (!options.resultsFile.empty()
        && !writeResultsFile(options.resultsFile, title, result.table)) {
        complain("Die Ergebnisdatei " + options.resultsFile + " kann nicht geschrieben werden.");
        status = 2;
    }
    if (!options.plotFile.empty()) {
        // The page draws the uncertainty of the well's error model as the desktop's
        // graph does.
        const std::vector<unc::Sym3> covariances = uncertainty && !path.empty()
            ? unc::stationCovariances(path, *uncertainty)
            : std::vector<unc::Sym3> {};
        PlotData plot;
        if (options.view3d) {
            const scene3d::Scene scene = view3d::documentScene(
                well.name, path, covariances, settings.uncertainty.ellipseSigma);
            const scene3d::Camera camera = view3d::batchCamera(scene,
                options.cameraAzimuth.value_or(scene3d::kHomeAzimuth),
                options.cameraElevation.value_or(scene3d::kHomeElevation));
            view3d::PageTexts texts;
            texts.wellName = well.name;
            texts.documentTitle = title;
            if (!covariances.empty())
                texts.uncertaintyCaption = uncertaintyCaption(
                    settings.uncertainty.model, settings.uncertainty.ellipseSigma);
            std::string error;
            if (!view3d::exportView(scene, camera, view3d::kBatchWidth, view3d::kBatchHeight,
                    options.plotFile, view3d::kBatchPixels, texts, true, error)) {
                complain(win1252::toUtf8(error));
                status = 2;
            }
        } else if (options.sectionView) {
            const double azimuth = sectionAzimuthOf(result.legacy, sectionAzimuth);
            plot = sectionPlotData(result.legacy, well.name, azimuth, unit);
            addSectionUncertainty(plot, azimuth, unit, covariances, settings.uncertainty);
        } else {
            const PlotView view = plotViewOf(options.ansicht);
            plot = plotDataOf(result.legacy, view, well.name);
            addUncertainty(plot, result.legacy, view, covariances, settings.uncertainty);
        }
        std::string error;
        const bool drawn = options.view3d
            || exportGraphPage(plot, title, options.plotFile, error, options.trueScale);
        if (!drawn) {
            complain(win1252::toUtf8(error));
            status = 2;
        }
    }

    // As "Speichern" would; a faulty input is saved as far as it was read, and the
    // status says so.
    if (!options.savePath.empty() && !writeDocumentFile(options.savePath, itemsOf(well))) {
        tell(documentNotSavedMessage(win1252::fromUtf8(options.savePath)));
        status = 2;
    }

    for (const std::string &entry : result.table)
        writeUtf8Line(stdout, entry);
    for (const std::string &text : interpolated)
        writeUtf8Line(stdout, text);
    std::fflush(stdout);
    return status;
}
