#include "cli/batchrun.h"

#include "clearance/rules.h"
#include "analysis/analysis.h"
#include "analysis/remarks.h"
#include "cli/programfile.h"
#include "cli/linesource.h"
#include "cli/offsetplace.h"
#include "cli/textout.h"
#include "core/atomicfile.h"
#include "core/cformat.h"
#include "document/docfile.h"
#include "document/resultsfile.h"
#include "exchange/stationmapping.h"
#include "exchange/tablefile.h"
#include "export/againstplantable.h"
#include "export/clearancetable.h"
#include "export/delimitedwriter.h"
#include "export/errorterms.h"
#include "export/exportformats.h"
#include "export/surveychecktable.h"
#include "export/wellrows.h"
#include "field/fielddb.h"
#include "field/location.h"
#include "field/neighbours.h"
#include "field/wellfile.h"
#include "geo/errormodelinputs.h"
#include "geo/geojson.h"
#include "geo/owntoolfile.h"
#include "geo/projection.h"
#include "graph/cylinder.h"
#include "graph/ladder.h"
#include "graph/pageexport.h"
#include "graph/plotoffsets.h"
#include "graph/plotplan.h"
#include "graph/plotuncertainty.h"
#include "graph/sectionview.h"
#include "graph3d/view3dexport.h"
#include "graph3d/view3dscene.h"
#include "i18n/i18n.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"
#include "plan/compute.h"
#include "plan/planfile.h"
#include "toollibrary/toollibrary.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>
#include <optional>
#include <set>
#include <string_view>

namespace {

void complain(const std::string &text)
{
    std::fprintf(stderr, "dravon-cli: %s\n", text.c_str());
}

// A message of the program as the desktop shows it in a box: one line on standard error.
void tell(const std::string &text)
{
    writeLine(stderr, text);
}


// The file name without its folder: the title under which an opened document's results
// are written.
std::string titleOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Reads a table (delimited text, .xlsx, .xls, LAS or WITSML) into the well's stations;
// false after telling why the file is refused. Rows below the table that were not read are
// named on standard error; they are no fault.
// `input` is the file's name, "-" for standard input; the input of the command line is
// read with the table options, an offset well's table with what the table itself shows.
bool importTable(const CliOptions &options, const std::string &input, CliOptions::TableKind table,
    bool withTableOptions, well::Well &well)
{
    exchange::TableFileBytes bytes;
    exchange::TableFault fault;
    // Standard input is read with the same bound as a file.
    if (!exchange::readTableFile(input == "-" ? "/dev/stdin" : input, bytes, fault)) {
        complain(fault.message);
        return false;
    }
    auto format = table == CliOptions::TableKind::Xlsx ? exchange::TableFormat::Xlsx
        : table == CliOptions::TableKind::Xls          ? exchange::TableFormat::Xls
        : table == CliOptions::TableKind::Las          ? exchange::TableFormat::Las
        : table == CliOptions::TableKind::Witsml       ? exchange::TableFormat::Witsml
                                                       : exchange::TableFormat::Delimited;
    if (const auto refused = exchange::checkTableContent(
            input == "-" ? i18n::translate("Batch", "(Standardeingabe)") : input, bytes.view(),
            format)) {
        complain(refused->message);
        return false;
    }
    exchange::MappingRequest request
        = withTableOptions ? options.mapping : exchange::MappingRequest {};
    request.step = schrittweite(options.datenauswahl);
    std::string wellName; // as a LAS or WITSML file states it
    std::optional<well::TieIn> tieIn; // where a WITSML trajectory begins
    std::vector<well::FieldReading> fieldReadings; // a WITSML trajectory's field readings
    exchange::StationImport import = exchange::importTableStations(bytes.view(), format,
        withTableOptions ? options.delimiter : exchange::Delimiter::Automatic,
        withTableOptions ? options.sheet : std::string(), request, &wellName, &tieIn,
        &fieldReadings);
    if (import.fault) {
        complain(input + ": " + import.fault->message);
        return false;
    }
    if (const std::string notice = import.notice(); !notice.empty())
        complain(input + ": " + notice);
    // A table brings no descriptive lines and leaves the format choice alone.
    well.survey = std::move(import.survey);
    // A first row taken as the tie-in; otherwise where a WITSML trajectory begins.
    well.settings.tieIn = import.tieIn ? import.tieIn : tieIn;
    // The readings of a table's reading columns; otherwise a WITSML trajectory's.
    well.settings.fieldReadings
        = import.fieldReadings.empty() ? std::move(fieldReadings) : std::move(import.fieldReadings);
    well.info.clear();
    if (!wellName.empty())
        well.name = wellName;
    else
        well.name = input == "-" ? std::string() : exchange::nameFromPath(input);
    return true;
}

// The plan file of `option`, begun at --tie-in where one is given; none when it cannot be
// read (said).
std::optional<plan::Plan> readPlanOption(
    const CliOptions &options, const char *option, const std::string &path)
{
    std::string bytes;
    exchange::TableFault read;
    if (!exchange::readTableFile(path, bytes, read)) {
        complain(std::string(option) + ' ' + path + ": " + read.message);
        return std::nullopt;
    }
    const plan::PlanFileRead file = plan::readPlanFile(bytes);
    if (!file.plan) {
        for (const plan::FileFault &f : file.faults)
            complain(std::string(option) + ' ' + path + ": " + f.message);
        return std::nullopt;
    }
    plan::Plan p = *file.plan;
    if (options.tieIn) {
        const well::TieIn &t = *options.tieIn;
        p.start = { t.md, t.tvd, t.north, t.east, t.inclination, t.azimuth };
    }
    return p;
}

// The stations of the plan of --plan, from --tie-in or the slot, into `well`; its targets
// said hit or missed. False after the file's faults or the refusal were said.
bool readPlan(const CliOptions &options, well::Well &well)
{
    const std::optional<plan::Plan> read = readPlanOption(options, "--plan", options.planFile);
    if (!read)
        return false;
    const plan::Plan &p = *read;
    const plan::PlanResult result = plan::compute(p, options.planStep.value_or(plan::kDefaultStep));
    if (!result.plan) {
        complain("--plan " + options.planFile + ": " + plan::text(*result.refusal));
        return false;
    }
    // A saved document keeps the plan beside its stations.
    well.settings.plan = p;
    well.settings.planStep = options.planStep;
    const std::vector<plan::PlanStation> &stations = result.plan->stations;
    // Below a tie-in the survey begins with the first station under it.
    for (std::size_t k = options.tieIn ? 1 : 0; k < stations.size(); ++k)
        well.survey.add({ stations[k].md, stations[k].inclination, stations[k].azimuth });
    for (std::size_t i = 0; i < result.plan->targets.size(); ++i) {
        const plan::TargetResult &t = result.plan->targets[i];
        const std::string name = p.targets[i].name.empty()
            ? i18n::arg(i18n::translate("Meldungen", "Ziel %1"), { std::to_string(i + 1) })
            : p.targets[i].name;
        tell(t.hit ? cfmt(i18n::translateFormat("Batch",
                              "%s: getroffen, der nächste Punkt der Planung bei %.2f m MD "
                              "(Abstand %.3f m)")
                              .c_str(),
                         name.c_str(), t.closest.md, t.distance)
                   : cfmt(i18n::translateFormat("Batch",
                              "%s: verfehlt um %.3f m, der nächste Punkt der Planung bei "
                              "%.2f m MD (Abstand %.3f m)")
                              .c_str(),
                         name.c_str(), t.miss, t.closest.md, t.distance));
    }
    return true;
}

// Reads a measurement file or station lines into the well; false when the file cannot be
// read. `readerFault` tells whether the reader stopped at a faulty line.
bool readInput(
    const CliOptions &options, const std::string &input, well::Well &well, bool &readerFault)
{
    std::string bytes;
    if (!readAllBytes(input, bytes)) {
        complain(i18n::arg(
            i18n::translate("Batch", "Die Datei %1 kann nicht gelesen werden."), { input }));
        return false;
    }
    if (options.stationsMode && input == options.input) {
        well.survey = well::surveyFromLines(textLines(bytes));
        return true;
    }
    const StringList lines = splitLines(bytes);
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

// How --format and --every read a file that is neither a document nor a table.
field::FileReading fileReading(const CliOptions &options)
{
    return { options.format, schrittweite(options.datenauswahl) };
}

// What reading a well's file said: a document's fault and a measurement reader's lines as
// the desktop shows them in a box, a table's and an unreadable file's as the tool's own.
void sayFileFaults(
    const std::string &path, const std::vector<std::string> &notices, const std::string &fault)
{
    const bool table = tableKindForPath(path) != CliOptions::TableKind::None;
    for (const std::string &notice : notices)
        table ? complain(notice) : tell(notice);
    if (fault.empty())
        return;
    if (isDocumentPath(path))
        tell(fault);
    else
        complain(fault);
}

// The well of an offset's file, read as the input of the command line would be (a
// document, a table by its extension, or a measurement file in --format), and the
// settings a document brings; false after telling why the file cannot be read.
bool readOffsetFile(const CliOptions &options, const std::string &path, well::Well &source,
    std::optional<WellSettings> &stored, bool &readerFault)
{
    std::string fault;
    std::optional<field::WellFile> file = field::readWellFile(path, fileReading(options), fault);
    sayFileFaults(path, file ? file->notices : std::vector<std::string> {}, fault);
    if (!file)
        return false;
    readerFault = !file->complete;
    source = std::move(file->well);
    stored = file->settings;
    return true;
}

// The offsets of --offset after those `settings` hold already; false after telling why
// one is refused. An offset is taken whole or not at all. `wellName` is the well's own
// name (UTF-8): a sidetrack without --offset-parent leaves it.
bool addOffsets(const CliOptions &options, const std::string &wellName, WellSettings &settings)
{
    for (const OffsetOption &off : options.offsets) {
        well::Well source;
        std::optional<WellSettings> stored;
        bool readerFault = false;
        if (!readOffsetFile(options, off.path, source, stored, readerFault))
            return false;
        if (readerFault) {
            complain(i18n::arg(i18n::translate("Batch",
                                   "--offset %1: %2 Die Nachbarbohrung wird nicht übernommen."),
                { off.path, i18n::translate("Batch", "Die Datei wurde nicht ganz gelesen.") }));
            return false;
        }
        OffsetWell o;
        std::string message;
        if (!placeOffset(off, source, stored, off.path, exchange::nameFromPath(off.path),
                wellName, settings, o, message)) {
            complain(message);
            return false;
        }
        settings.offsets.push_back(std::move(o));
    }
    std::string fault;
    if (!options.offsets.empty() && !offsetsValid(settings.offsets, wellName, &fault)) {
        complain(i18n::arg(i18n::translate("Batch",
                               "%1 (--offset-name gibt einer Nachbarbohrung einen anderen Namen)"),
            { fault }));
        return false;
    }
    return true;
}

// A name of the field as one part of a file's path: no separators, nothing a file system
// refuses, never "." or "..".
std::string fileNamePart(const std::string &name)
{
    std::string out;
    for (const char c : name)
        out += (static_cast<unsigned char>(c) < 0x20 || std::string_view("/\\:*?\"<>|").find(c)
                       != std::string_view::npos)
            ? '_'
            : c;
    if (out.empty() || out == "." || out == "..")
        out.insert(0, 1, '_');
    return out;
}

// --field --export: each wellbore's definitive survey as a WITSML trajectory in
// FOLDER/field/site/, named after its well (and its wellbore where that is named otherwise).
// What cannot be computed or written is said and the others are still written; false then.
bool exportField(const field::Database &db, const std::string &folder)
{
    std::string fault;
    std::vector<std::pair<field::WellboreEntry, well::Well>> all = db.definitiveSurveys(fault);
    if (!fault.empty()) {
        complain(fault);
        return false;
    }
    std::size_t written = 0;
    std::set<std::filesystem::path> taken;
    for (auto &[entry, w] : all) {
        const field::Placement &at = entry.place;
        std::string stem = fileNamePart(at.well);
        if (at.wellbore != at.well) {
            stem += " - ";
            stem += fileNamePart(at.wellbore);
        }
        const std::filesystem::path dir
            = std::filesystem::path(folder) / fileNamePart(at.field) / fileNamePart(at.site);
        // Two names that differ only in what a file name cannot hold get a number.
        std::filesystem::path file = dir / (stem + ".xml");
        for (int n = 2; taken.count(file); ++n)
            file = dir / (stem + " (" + std::to_string(n) + ").xml");
        taken.insert(file);
        const std::string where = field::pathOf(at);
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        const WellSettings settings = w.settings;
        w.name = where;
        analysis::Analysis analysis(std::move(w));
        analysis.setScope({ false, false, false });
        const well::Computation &result = analysis.computeCourse();
        if (result.aborted || result.path.empty()) {
            complain(i18n::arg(i18n::translate("Batch",
                                   "%1: die Vermessung kann nicht berechnet werden und wird "
                                   "nicht exportiert"),
                { where }));
            continue;
        }
        std::string unplaced;
        const surveyexport::RowSettings rows = surveyexport::rowSettings(
            settings, settings.unit, settings.sectionAzimuth, &unplaced);
        surveyexport::ExportInfo info;
        info.borehole = where;
        info.north = analysis.courseNorth();
        info.program = settings.uncertainty.program;
        if (!surveyexport::writeExport(file.string(), surveyexport::ExportFormat::Witsml,
                surveyexport::stationRows(result.path, rows), info)) {
            complain(i18n::arg(
                i18n::translate("Batch", "Die Exportdatei %1 kann nicht geschrieben werden."),
                { file.string() }));
            continue;
        }
        ++written;
    }
    tell(i18n::arg(i18n::translate("Batch", "%1 Bohrpfade nach %2 exportiert"),
        { std::to_string(written), folder }));
    return written == all.size();
}

// --field: the files of --import into the field file, all or none, then its list and its
// export.
int runField(const CliOptions &options, int argc, char **argv)
{
    // Qt SQL loads its drivers through the application object.
    QCoreApplication app(argc, argv);
    std::string fault;
    std::optional<field::Database> db = field::Database::open(options.fieldFile, fault);
    if (!db) {
        complain(fault);
        return 2;
    }
    if (!options.fieldImports.empty()) {
        const std::string fieldName = field::fieldNameOf(options.fieldFile);
        const std::string site
            = options.fieldSite.value_or(i18n::translate("Batch", "Standort 1"));
        std::vector<field::ImportItem> items;
        for (const std::string &path : field::importPaths(options.fieldImports)) {
            std::vector<std::string> notices;
            std::optional<std::vector<field::ImportItem>> item
                = field::importItemsOf(path, fieldName, site, fileReading(options), notices, fault);
            if (item)
                sayFileFaults(path, notices, {});
            if (!item) {
                // An incomplete measurement file was said by its reader's lines.
                sayFileFaults(path, notices, notices.empty() ? fault : std::string());
                complain(i18n::arg(i18n::translate("Batch",
                                       "--import %1: die Datei kann nicht ganz gelesen werden; "
                                       "nichts wurde ins Feld übernommen."),
                    { path }));
                return 2;
            }
            items.insert(items.end(), std::make_move_iterator(item->begin()),
                std::make_move_iterator(item->end()));
        }
        const char *user = std::getenv("USER");
        if (!db->importWells(items, user ? user : "", fault)) {
            complain(fault);
            return 2;
        }
        tell(i18n::arg(field::isServerAddress(options.fieldFile)
                ? i18n::translate("Batch", "%1 Bohrungen in die Felddatenbank %2 übernommen")
                : i18n::translate("Batch", "%1 Bohrungen in die Felddatei %2 übernommen"),
            { std::to_string(items.size()), field::shownLocation(options.fieldFile) }));
    }
    if (!options.rulesFile.empty()) {
        std::string bytes;
        clr::RuleSet rules;
        if (!readAllBytes(options.rulesFile, bytes) || !clr::readRuleSet(bytes, rules, fault)
            || !db->setRules(field::fieldNameOf(options.fieldFile), bytes, fault)) {
            complain("--rules " + options.rulesFile + ": "
                + (fault.empty() ? i18n::translate("Batch", "die Datei kann nicht gelesen werden")
                                 : fault));
            return 2;
        }
    }
    if (options.fieldList) {
        const std::vector<field::WellboreEntry> list = db->wellbores(fault);
        if (!fault.empty()) {
            complain(fault);
            return 2;
        }
        for (const field::WellboreEntry &e : list) {
            writeLine(stdout,
                e.place.field + '\t' + e.place.site + '\t' + e.place.well + '\t'
                    + e.place.wellbore + '\t' + std::to_string(e.stations) + '\t'
                    + e.changedAt);
        }
    }
    if (!options.fieldExportFolder.empty() && !exportField(*db, options.fieldExportFolder))
        return 2;
    return 0;
}

// --scan-all: the well of --well from the field as the input, every other wellbore of the
// field as its offsets, named by their place in the field. False after saying why.
bool readFieldWells(const CliOptions &options, well::Well &input, std::vector<well::Well> &others,
    std::string &rules)
{
    std::string fault;
    std::optional<field::Database> db = field::Database::open(options.fieldFile, fault);
    std::vector<std::pair<field::WellboreEntry, well::Well>> all;
    if (db)
        all = db->definitiveSurveys(fault);
    if (db && fault.empty())
        rules = db->rules(field::fieldNameOf(options.fieldFile), fault);
    if (!fault.empty()) {
        complain(fault);
        return false;
    }
    const auto named = [&](const field::WellboreEntry &e) {
        return e.place.well == options.fieldWell || e.place.wellbore == options.fieldWell
            || field::pathOf(e.place) == options.fieldWell;
    };
    const auto count = std::count_if(
        all.begin(), all.end(), [&](const auto &entry) { return named(entry.first); });
    if (count != 1) {
        complain(i18n::arg(count == 0
                ? i18n::translate("Batch", "--well %1: das Feld %2 hat keine solche Bohrung")
                : i18n::translate("Batch",
                    "--well %1: im Feld %2 heißen mehrere Bohrpfade so; der Pfad im Feld "
                    "(Feld/Standort/Bohrung) nennt einen"),
            { options.fieldWell, options.fieldFile }));
        return false;
    }
    for (auto &[entry, w] : all) {
        w.name = field::pathOf(entry.place);
        if (named(entry))
            input = std::move(w);
        else
            others.push_back(std::move(w));
    }
    return true;
}

} // namespace

int runBatch(const CliOptions &options, int argc, char **argv)
{
    if (!options.fieldFile.empty() && !options.scanAll)
        return runField(options, argc, argv);
    // The graph page needs fonts, that is a QGuiApplication; without a display it runs
    // on the offscreen platform.
    std::unique_ptr<QCoreApplication> app;
    if (!options.plotFile.empty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else if (options.scanAll) {
        // Qt SQL loads its drivers through the application object.
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    std::vector<well::Well> fieldWells;
    std::string rulesText;

    well::Well input;
    // The results file keeps "Unbenannt" in every language (a file format); the graph
    // page's caption speaks the language, as the desktop's does.
    std::string title = "Unbenannt";
    std::string pageTitle = i18n::translate("Dokument", "Unbenannt");
    bool readerFault = false;
    if (!options.planFile.empty()) {
        if (!readPlan(options, input))
            return 2;
        input.name = title = pageTitle = titleOf(options.planFile);
    } else if (options.scanAll) {
        if (!readFieldWells(options, input, fieldWells, rulesText))
            return 2;
        title = pageTitle = input.name;
    } else if (!options.stationsMode && isDocumentPath(options.input)) {
        DocumentItems items;
        std::string message;
        if (!readDocumentFile(options.input, options.input, items, message)) {
            tell(message);
            return 2;
        }
        input = wellOf(std::move(items));
        title = pageTitle = titleOf(options.input);
    } else if (options.table != CliOptions::TableKind::None) {
        if (!importTable(options, options.input, options.table, true, input))
            return 2;
    } else if (!readInput(options, options.input, input, readerFault)) {
        return 2;
    }
    if (options.name)
        input.name = *options.name;

    // Given options win over what the document file stored; so do --unit and
    // --section-azimuth. The offsets of the command line join the stored ones.
    WellSettings settings = withWellOptions(options, input.settings);
    for (const std::string &file : options.toolModelFiles) {
        std::vector<OwnTool> tools;
        std::string bytes, fault;
        exchange::TableFault read;
        if (!exchange::readTableFile(file, bytes, read))
            fault = read.message;
        else
            geo::ownToolsFromFile(bytes, file, tools, fault);
        if (!fault.empty()) {
            complain("--tool-model " + file + ": " + fault);
            return 2;
        }
        geo::mergeOwnTools(settings.ownTools, tools);
    }
    if (!options.programFile.empty()) {
        std::string fault;
        if (!cli::readProgramFile(
                options.programFile, settings.uncertainty.program, fault, settings.ownTools)) {
            complain(fault);
            return 2;
        }
    }
    {
        // The codes of the command line, among the own tools of the document and of
        // --tool-model or the library's.
        std::vector<std::pair<const char *, std::string>> codes;
        for (const SurveyRun &run : options.toolRuns)
            codes.push_back({ "--tool", run.tool });
        for (const OffsetOption &off : options.offsets) {
            if (off.tool)
                codes.push_back({ "--offset-tool", *off.tool });
        }
        for (const auto &[option, code] : codes) {
            const toollib::ModelOrRefusal r = toollib::modelFor(code, settings.ownTools);
            if (r.refusal) {
                complain(std::string(option) + ": " + r.refusal->message);
                return 2;
            }
        }
    }
    if (!addOffsets(options, input.name, settings))
        return 2;
    // The rules of --rules, else the field's.
    std::optional<clr::RuleSet> rules;
    if (!options.rulesFile.empty() && !readAllBytes(options.rulesFile, rulesText)) {
        complain(i18n::arg(
            i18n::translate("Batch", "Die Datei %1 kann nicht gelesen werden."), { options.rulesFile }));
        return 2;
    }
    if (!rulesText.empty()) {
        std::string fault;
        if (!clr::readRuleSet(rulesText, rules.emplace(), fault)) {
            complain((options.rulesFile.empty() ? options.fieldFile : options.rulesFile) + ": " + fault);
            return 2;
        }
    }
    // The field's other wellbores, each as it is stored: what keeps one out is said, and
    // the scan goes on without it.
    {
        std::vector<std::string> notes;
        for (OffsetWell &o : field::offsetsOf(fieldWells, settings, notes))
            settings.offsets.push_back(std::move(o));
        for (const std::string &note : notes)
            complain(note);
    }
    // A document that belongs to a field: the field's wellbores as the field holds them
    // now, beside its own offsets (never saved into it), and the field's rules where
    // --rules gives none.
    std::optional<field::Neighbours> linked;
    if (settings.field && !options.scanAll) {
        std::string fault;
        linked = field::neighboursOf(*settings.field, settings,
            std::filesystem::path(options.input).parent_path().string(), fault);
        if (!linked) {
            complain(fault);
            return 2;
        }
        for (const std::string &note : linked->notes)
            complain(note);
        if (!rules && linked->rules)
            rules = std::move(linked->rules);
    }
    if (!options.againstPlanFile.empty()) {
        const std::optional<plan::Plan> p
            = readPlanOption(options, "--against-plan", options.againstPlanFile);
        if (!p)
            return 2;
        settings.plan = *p;
        settings.planStep = options.planStep;
        if (options.bitDistance)
            settings.bitDistance = options.bitDistance;
    }
    // Nothing of the analysis is made before it is asked for below: the exports and the
    // table are written while they are made, the covariances only for a picture.
    analysis::Analysis analysis(std::move(input));
    analysis.setScope({ false, false, false });
    if (options.scanAll)
        analysis.setScanOptions({ options.scanRadius.value_or(clr::ScanOptions {}.radius),
            std::max(1u, std::thread::hardware_concurrency()) });
    analysis.setSettings(settings);
    if (linked)
        analysis.setFieldNeighbours(std::move(linked->offsets), std::nullopt);
    if (const std::optional<plan::Refusal> &r = analysis.plan().refusal;
        r && !options.againstPlanFile.empty()) {
        complain("--against-plan " + options.againstPlanFile + ": " + plan::text(*r));
        return 2;
    }
    const well::Well &well = analysis.well();
    const bool scanning = !settings.offsets.empty()
        || (settings.field && !analysis.fieldNeighbours().empty());
    bool ruleStop = false; // a rule that asks to stop is broken
    if (!options.clearanceFile.empty() && !scanning) {
        complain(i18n::translate("Batch",
            "--clearance braucht Nachbarbohrungen (--offset DATEI oder im Dokument "
            "gespeicherte)."));
        return 2;
    }
    if (!options.savePath.empty() && !settingsFitDocument(settings)) {
        complain(i18n::translate("Batch",
            "Die Nachbarbohrungen sind zu groß für ein Dokument (ihre Messpunkte brauchen mehr "
            "als 16 MiB)."));
        return 2;
    }
    const std::optional<double> sectionAzimuth
        = options.sectionAzimuth ? options.sectionAzimuth : settings.sectionAzimuth;
    const listing::Unit unit = options.unitGiven ? options.unit : settings.unit;
    const bool wantsStations = std::any_of(options.exportFiles.begin(), options.exportFiles.end(),
        [](const std::string &path) { return !isGeoJsonPath(path); });

    // An error model that lacks an input is refused before anything is computed or
    // written, when something would use it or keep it: the listing, the exports, the
    // error terms, the graph page, the saved document, the clearance scan, or the model
    // named on the command line.
    std::optional<unc::Inputs> uncertainty;
    const ErrorModel model = settings.uncertainty.model;
    if (settings.uncertainty.hasModel()
        && (wantsStations || !options.listingFile.empty() || !options.errorTermsFile.empty()
            || !options.plotFile.empty() || !options.savePath.empty() || options.errorModel
            || !options.toolRuns.empty() || !options.programFile.empty() || scanning)) {
        uncertainty = analysis.modelInputs().inputs;
        if (!uncertainty) {
            const unc::MissingInput missing = analysis.modelInputs().missing;
            std::string message = missing == unc::MissingInput::Program
                ? analysis.modelInputs().refusal
                : missingInputMessage(model, missing);
            // Where the geomagnetic model would have given the value, why it did not.
            const std::string reason = geo::missingInputReason(settings, missing);
            if (!reason.empty()) {
                message += ' ' + reason;
                if (!settings.surveyDate)
                    message += ' '
                        + i18n::translate("Batch", "Das Datum gibt --survey-date JJJJ-MM-TT.");
            }
            complain(message);
            return 2;
        }
    }
    if (!options.errorTermsFile.empty() && !uncertainty) {
        complain(i18n::translate("Batch",
            "--error-terms braucht ein Fehlermodell (--error-model iscwsa-mwd-rev5 oder "
            "iscwsa-mwd-rev4, oder eines im Dokument)."));
        return 2;
    }

    const well::Computation &result = analysis.computeCourse();
    const traj::Trajectory &path = result.path;
    // The survey check's findings are the survey's, not faults of the run: said, and the
    // status stays.
    for (const std::string &text : surveycheck::texts(analysis.surveyCheck()))
        tell(text);
    // A survey program is checked against the computed stations: a station that no run
    // holds refuses it (nothing is written), a tool read outside its inclination range is
    // said.
    if (uncertainty && !analysis.modelInputs().inputs) {
        complain(analysis.modelInputs().refusal);
        return 2;
    }
    for (const std::string &text :
        analysis::programTexts(analysis.modelInputs(), decimalsign::Sign::Point))
        tell(text);
    if (!options.againstPlanFile.empty()) {
        for (const analysis::Remark &r : analysis::planRemarks(analysis, decimalsign::Sign::Point))
            tell(r.text);
    }

    // Absolute columns where the settings (with the coordinate system) give them; a
    // wellhead that cannot be placed is said once, where the rows are made.
    std::optional<surveyexport::RowSettings> rowSettings;
    std::string unplaced;
    if (wantsStations || !options.listingFile.empty())
        rowSettings = surveyexport::rowSettings(settings, unit, sectionAzimuth, &unplaced);

    surveyexport::ExportInfo info;
    info.borehole = well.name;
    info.document = !options.planFile.empty() ? options.planFile
        : options.input == "-"                 ? std::string()
                                               : options.input;
    info.plan = !options.planFile.empty();
    info.north = analysis.courseNorth();
    info.program = settings.uncertainty.program;

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
        analysis.computeTable();
    else
        analysis.computeTable(
            [](const std::string &line) { writeLine(stdout, resultsText(line)); });
    // The messages are made while the exports may still be written, and go out in one
    // piece: standard error is unbuffered, and a long survey can have tens of thousands.
    std::string said;
    for (const well::Diagnostic &d : result.diagnostics)
        appendLine(said, well::text(d));
    const std::vector<bool> written = exported.get();
    std::fwrite(said.data(), 1, said.size(), stderr);
    bool fault = readerFault || !result.clean() || result.aborted;

    // Each depth is a point on the computed path; nothing is computed again.
    std::vector<std::string> interpolated;
    for (float depth : options.interpolate) {
        const well::Interpolation answer = well::interpolate(result, depth);
        // The result goes to standard output after the table and stays as it always was;
        // what could not be interpolated is a message in the chosen language.
        switch (answer.diagnostic.id) {
        case well::Message::InterpolationResult:
            interpolated.push_back(well::germanText(answer.diagnostic));
            break;
        case well::Message::NoStations:
        case well::Message::DepthBeyondLast:
            tell(well::text(answer.diagnostic));
            break;
        default:
            complain(well::text(answer.diagnostic));
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
    std::optional<listing::Listing> rows;
    // With a plan to compare with, the listing is the comparison.
    if (!options.listingFile.empty() && options.againstPlanFile.empty()) {
        rows = surveyexport::wellRows(path, options.requests, *rowSettings);
        for (const std::string &text : rows->faults)
            complain(text);
        fault = fault || !rows->faults.empty();
        sayUnplaced();
    }
    if (wantsStations)
        sayUnplaced();

    // The clearance scan at the stations and the steps of --every-md; what keeps an offset
    // out is a fault, a factor below 1 the status of its own.
    // The picture draws the covariances of the well and of its neighbours where the
    // well's error model gives them.
    const bool spread = !options.plotFile.empty() && uncertainty && !path.empty();
    const clr::WellScan *clearance = nullptr;
    if (scanning) {
        std::vector<listing::Request> steps;
        for (const listing::Request &r : options.requests) {
            if (r.kind == listing::RequestKind::EveryMd)
                steps.push_back(r);
        }
        analysis.setScanSteps(std::move(steps), unit);
        // The 3D view draws a neighbour's tube by its own model even where the well has
        // none; the other pictures only beside the well's.
        clearance = &analysis.computeClearance(!options.plotFile.empty());
        for (const clr::SetupFinding &f : clearance->setup)
            tell(clr::text(f));
        fault = fault || !clearance->setup.empty();
        for (const clr::Finding &f : clearance->findings) {
            if (f.id != clr::Message::SeparationBelowLimit)
                tell(clr::text(f));
        }
        if (const std::string notice = clr::warningNotice(*clearance); !notice.empty())
            tell(notice);
    }
    // The operator's rules: the levels and the near distance against the scan, the lease
    // lines against the hole itself.
    if (rules) {
        const std::vector<clr::RuleFinding> broken = clr::checkRules(*rules, path,
            clearance ? clearance->scan : clr::Scan {},
            geo::bestPlacement(settings));
        for (const clr::RuleFinding &f : broken)
            tell(clr::text(f));
        ruleStop = clr::anyStop(broken);
    }

    int status = fault ? 1 : 0;
    if (rows) {
        info.listing = true;
        const auto format = surveyexport::exportFormatForPath(options.listingFile);
        // Streamed to the file: a long listing is never held twice in memory.
        const bool done = surveyexport::writeExport(
            options.listingFile, format.value_or(surveyexport::ExportFormat::Csv), *rows, info);
        if (!done) {
            complain(
                i18n::arg(i18n::translate("Batch", "Die Liste %1 kann nicht geschrieben werden."),
                    { options.listingFile }));
            status = 2;
        }
        info.listing = false;
    }
    if (!options.listingFile.empty() && !options.againstPlanFile.empty()) {
        const auto format = surveyexport::exportFormatForPath(options.listingFile);
        const std::optional<plan::AgainstPlan> &against = analysis.againstPlan();
        if (!against
            || !surveyexport::writeAgainstPlan(options.listingFile,
                format.value_or(surveyexport::ExportFormat::Csv), *against, info)) {
            complain(
                i18n::arg(i18n::translate("Batch", "Die Liste %1 kann nicht geschrieben werden."),
                    { options.listingFile }));
            status = 2;
        }
    }
    if (clearance && !options.clearanceFile.empty()) {
        const auto format = surveyexport::exportFormatForPath(options.clearanceFile);
        if (!surveyexport::writeClearance(options.clearanceFile,
                format.value_or(surveyexport::ExportFormat::Csv), clearance->scan, info)) {
            complain(
                i18n::arg(i18n::translate("Batch", "Die Datei %1 kann nicht geschrieben werden."),
                    { options.clearanceFile }));
            status = 2;
        }
    }
    if (!options.surveyCheckFile.empty()) {
        const auto format = surveyexport::exportFormatForPath(options.surveyCheckFile);
        if (!surveyexport::writeSurveyCheck(options.surveyCheckFile,
                format.value_or(surveyexport::ExportFormat::Csv), analysis.surveyCheck(), info)) {
            complain(
                i18n::arg(i18n::translate("Batch", "Die Datei %1 kann nicht geschrieben werden."),
                    { options.surveyCheckFile }));
            status = 2;
        }
    }
    // --export: the file name's extension says what is written.
    for (std::size_t k = 0; k < options.exportFiles.size(); ++k) {
        const std::string &file = options.exportFiles[k];
        if (isGeoJsonPath(file)) {
            std::string bytes, why;
            if (!geo::geoJson(path, well.settings, well.name, bytes, why)) {
                complain(file + ": " + why);
                status = 2;
            } else if (!atomicfile::writeFile(file, bytes)) {
                complain(i18n::arg(
                    i18n::translate("Batch", "Die Karte %1 kann nicht geschrieben werden."),
                    { file }));
                status = 2;
            }
        } else if (!written[k]) {
            complain(i18n::arg(
                i18n::translate("Batch", "Die Exportdatei %1 kann nicht geschrieben werden."),
                { file }));
            status = 2;
        }
    }
    if (uncertainty && !options.errorTermsFile.empty()
        && !surveyexport::writeErrorTerms(options.errorTermsFile, path, *uncertainty, unit)) {
        complain(i18n::arg(
            i18n::translate("Batch", "Die Datei der Fehlerterme %1 kann nicht geschrieben werden."),
            { options.errorTermsFile }));
        status = 2;
    }
    if (!options.resultsFile.empty()
        && !writeResultsFile(options.resultsFile, title, result.table)) {
        complain(i18n::arg(
            i18n::translate("Batch", "Die Ergebnisdatei %1 kann nicht geschrieben werden."),
            { options.resultsFile }));
        status = 2;
    }
    if (!options.plotFile.empty()) {
        // The page draws the uncertainty of the well's error model as the desktop's
        // graph does.
        const std::vector<unc::Sym3> &covariances
            = spread ? analysis.computeCovariances() : analysis.covariances();
        // The neighbouring wells of the scan as well, with their uncertainty where the
        // page draws the well's.
        const OffsetPicture offsets = clearance
            ? offsetPictureOf(clearance->offsets, clearance->scan,
                  spread ? analysis.offsetCovariances() : std::vector<std::vector<unc::Sym3>> {})
            : OffsetPicture {};
        PlotData plot;
        if (options.view == CliOptions::View::ThreeD) {
            const scene3d::Scene scene = view3d::wellScene(analysis);
            const scene3d::Camera camera
                = view3d::batchCamera(scene, options.cameraAzimuth.value_or(scene3d::kHomeAzimuth),
                    options.cameraElevation.value_or(scene3d::kHomeElevation));
            view3d::PageTexts texts;
            texts.wellName = well.name;
            texts.documentTitle = pageTitle;
            if (!covariances.empty())
                texts.uncertaintyCaption
                    = uncertaintyCaption(settings.uncertainty, settings.uncertainty.ellipseSigma);
            texts.northCaption = northNote(analysis.courseNorth());
            std::string error;
            if (!view3d::exportView(scene, camera, view3d::kBatchWidth, view3d::kBatchHeight,
                    options.plotFile, view3d::kBatchPixels, texts, true, error)) {
                complain(error);
                status = 2;
            }
        } else if (options.view == CliOptions::View::Ladder
            || options.view == CliOptions::View::Cylinder) {
            // Pictures of the neighbours alone: without any there is nothing to draw.
            std::string error;
            if (!clearance || offsets.empty()) {
                complain(
                    i18n::arg(i18n::translate("Batch",
                                  "%1 braucht Nachbarbohrungen (--offset DATEI oder im "
                                  "Dokument gespeicherte); die Grafik wird nicht geschrieben."),
                        { options.view == CliOptions::View::Ladder ? "--view ladder"
                                                                   : "--view cylinder" }));
                status = 2;
            } else if (options.view == CliOptions::View::Ladder) {
                LadderData ladder = ladderDataOf(offsets, well.name);
                ladder.title = well.name;
                if (!exportLadderPage(ladder, pageTitle, options.plotFile, error)) {
                    complain(error);
                    status = 2;
                }
            } else {
                // The scan was made along the path of the stations as entered.
                CylinderData cylinder = cylinderDataOf(offsets, path, well.name);
                cylinder.title = well.name;
                if (!exportCylinderPage(cylinder, pageTitle, options.plotFile, error)) {
                    complain(error);
                    status = 2;
                }
            }
        } else if (options.view == CliOptions::View::Section) {
            const double azimuth = sectionAzimuthOf(result.legacy, sectionAzimuth);
            plot = sectionPlotData(result.legacy, well.name, azimuth, unit);
            addSectionUncertainty(plot, azimuth, unit, covariances, settings.uncertainty);
            addSectionOffsets(plot, offsets, azimuth, unit, spread);
            if (const auto &drawnPlan = analysis.well().settings.plan)
                addSectionPlan(plot, analysis.plan(), drawnPlan->targets, azimuth, unit);
        } else {
            const PlotView view
                = options.view == CliOptions::View::Top ? PlotView::Top : PlotView::Side;
            plot = plotDataOf(result.legacy, view, well.name);
            addUncertainty(plot, result.legacy, view, covariances, settings.uncertainty);
            markOutsideTolerance(plot, result.legacy, surveycheck::outsideDepths(analysis.surveyCheck()));
            addOffsets(plot, offsets, result.legacy, view, spread);
            if (const auto &drawnPlan = analysis.well().settings.plan)
                addPlan(plot, analysis.plan(), drawnPlan->targets, result.legacy, view);
        }
        plot.north = northNote(analysis.courseNorth());
        std::string error;
        const bool drawn = options.view == CliOptions::View::ThreeD
            || options.view == CliOptions::View::Ladder
            || options.view == CliOptions::View::Cylinder
            || exportGraphPage(plot, pageTitle, options.plotFile, error, options.trueScale);
        if (!drawn) {
            complain(error);
            status = 2;
        }
    }

    // As "Speichern" would; a faulty input is saved as far as it was read, and the
    // status says so.
    if (!options.savePath.empty()
        && !writeDocumentFile(options.savePath, analysis::savedItems(well))) {
        tell(documentNotSavedMessage(options.savePath));
        status = 2;
    }

    // Wells that may touch outweigh a message, not a file that could not be used.
    const std::optional<double> lowest = clearance ? clearance->lowestFactor() : std::nullopt;
    if (status != 2 && ((lowest && *lowest < 1.0) || ruleStop))
        status = kExitClearance;

    // The table holds the characters it always held, as in the results file; a name given
    // with others keeps them on the pages and in the exports.
    for (const std::string &entry : result.table)
        writeLine(stdout, resultsText(entry));
    for (const std::string &text : interpolated)
        writeLine(stdout, resultsText(text));
    std::fflush(stdout);
    return status;
}
