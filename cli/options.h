// Command line of the batch tool dravon-cli.
#pragma once

#include "exchange/delimitedtext.h"
#include "exchange/stationmapping.h"
#include "i18n/i18n.h"
#include "listing/listing.h"
#include "uncertainty/uncertainty.h"
#include "well/settings.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// One --offset FILE with the options after it that apply to it.
struct OffsetOption
{
    std::string path; // a document (.dvn), a table or a measurement file (in --format)
    std::optional<std::string> name; // UTF-8
    std::optional<std::pair<double, double>> position; // north, east from the slot, metres
    std::optional<Wellhead> wellhead; // in the well's coordinate reference system
    std::optional<double> elevation; // of its depth reference, metres above sea level
    std::optional<double> hole; // diameter, metres
    std::optional<double> kickOff; // a sidetrack: metres MD
    std::optional<std::string> parent; // UTF-8; with --offset-kickoff, else the well itself
    std::optional<std::string> tool; // --offset-tool: one tool code for the whole offset
};

// --magnetic-field LAT,LON,HEIGHT_M,DATE: the Earth's magnetic field at a place and a
// date, printed instead of computing a survey.
struct MagneticFieldRequest
{
    double latitude = 0, longitude = 0; // degrees, WGS 84
    double height = 0; // metres above the ellipsoid
    double year = 0; // decimal year
};

struct CliOptions
{
    int format = 1; // 0 WEG, 1 free, 2 ATK
    int datenauswahl = 0; // thinning index: 0 every, 1 every 2nd, 2 every 5th, 3 every 10th
    // What --plot draws, in the order of the words of --view (side, top, section, 3d,
    // ladder, cylinder): the side view, the top view, the vertical section, the 3D view, or
    // the ladder or the travelling cylinder of the neighbouring wells.
    enum class View { Side, Top, Section, ThreeD, Ladder, Cylinder } view = View::Side;
    // --camera AZ,ELEV: the 3D view from this azimuth and elevation (degrees); unset: the
    // view the desktop program starts with.
    std::optional<double> cameraAzimuth, cameraElevation;
    std::optional<std::string> name; // UTF-8 as given
    std::vector<float> interpolate;
    std::string resultsFile;
    std::string plotFile;
    bool trueScale = false; // --true-scale: side view of --plot in equal scales
    // Listing of the trajectory: --at-md, --at-tvd and --every-md in the order given,
    // lengths in `unit`.
    std::vector<listing::Request> requests;
    std::optional<double> sectionAzimuth; // degrees
    listing::Unit unit = listing::Unit::Metre;
    bool unitGiven = false; // --unit given: it wins over the unit stored in the document
    std::string listingFile; // .csv or .xlsx
    // --export PATH, repeatable; the extension says what is written: the computed
    // stations as .csv or .xlsx (--export-style de for the semicolon and decimal-comma
    // CSV), or the path on the map as .geojson.
    std::vector<std::string> exportFiles;
    bool germanCsv = false;
    bool stationsMode = false; // --stations FILE
    std::string input; // FILE, "-" for standard input
    std::string savePath; // --save: the document file to write
    // Well settings; each one given replaces the value stored in the document.
    std::optional<Wellhead> wellhead;
    std::optional<double> elevation;
    std::optional<well::TieIn> tieIn; // --tie-in: where the survey begins
    std::optional<int> epsg;
    std::optional<NorthReference> north;
    std::optional<double> gridConvergence;
    std::optional<double> declination;
    // --survey-date: the day the geomagnetic model gives the values not typed for.
    std::optional<CalendarDate> surveyDate;
    // The error model of the positional uncertainty and its inputs (--error-model, ...).
    std::optional<ErrorModel> errorModel;
    std::optional<double> latitude, gravity, magField, magDip, ellipseSigma;
    std::string errorTermsFile; // --error-terms: the covariance of each source, CSV
    // The survey program: the runs of --tool FROM-TO:CODE in their order, or the file of
    // --survey-program; either replaces the stored program.
    std::vector<SurveyRun> toolRuns;
    std::string programFile;
    // --tool-model: files of the operator's own tool models, which the runs and the
    // offsets' tools may name; they join the stored ones, replacing those of equal code.
    std::vector<std::string> toolModelFiles;
    // --plan: a plan file computed into the stations that the run works on, in the place
    // of a survey file; from --tie-in or the slot, stations every --plan-step metres.
    std::string planFile;
    std::optional<double> planStep;
    // The field database (--field): files or folders to import into it, its list of
    // wellbores, and the site the imported wells are placed on.
    std::string fieldFile;
    std::vector<std::string> fieldImports;
    bool fieldList = false;
    std::optional<std::string> fieldSite;
    // --export FOLDER with --field: every wellbore's definitive survey as a WITSML file.
    std::string fieldExportFolder;
    // --scan-all: the well of the field named by --well against all others of the field,
    // within --radius metres (none: every one).
    std::string fieldWell;
    bool scanAll = false;
    // The operator's rules (JSON): kept in the field with --field, applied to a scan.
    std::string rulesFile;
    std::optional<double> scanRadius;
    // The survey against this plan file: the comparison goes to --listing.
    std::string againstPlanFile;
    std::optional<double> bitDistance;
    // Neighbouring wells and the clearance rule (--offset, --hole, ...); each given value
    // replaces the stored one, the offsets are added to the stored ones.
    std::vector<OffsetOption> offsets;
    std::optional<double> hole, surfaceMargin, projectAhead, sfScaling, sfWarning;
    std::string clearanceFile; // --clearance: the scan's rows, .csv or .xlsx
    std::string surveyCheckFile; // --survey-check: the checked stations, .csv or .xlsx
    // Table import: --format csv|xlsx|xls|las|witsml or the extension .csv, .tsv, .xlsx,
    // .xls, .las, .xml.
    enum class TableKind { None, Delimited, Xlsx, Xls, Las, Witsml } table = TableKind::None;
    exchange::MappingRequest mapping; // --columns, --decimal, --depth-unit (and --every)
    exchange::Delimiter delimiter = exchange::Delimiter::Automatic;
    std::string sheet; // --sheet (a WITSML file's trajectory), UTF-8; empty: the first
    std::optional<MagneticFieldRequest> magneticField;
    bool help = false;
    bool version = false;
};

struct CliParseResult
{
    CliOptions options;
    std::string error; // in the chosen language; empty when the command line is usable
};

CliParseResult parseCommandLine(const std::vector<std::string> &args);

// The language of the tool's texts: the last "--lang de|en" (also "--lang=en") of the
// command line, else the environment's (i18n::languageFromEnvironment). `error` is set
// for a value other than de or en, or a missing one (German, to be shown as it is).
i18n::Language chooseLanguage(const std::vector<std::string> &args, std::string &error,
    const i18n::Environment &getenv = {});

// `stored` with the well settings of the command line in place of the stored ones. A
// declination without --north means that the azimuths were measured against magnetic
// north: a declination has no other use, but for an error model, which needs it also for
// true or grid azimuths (then with --north). The clearance rule's options too; the
// offsets of --offset are read by the batch run.
WellSettings withWellOptions(const CliOptions &options, WellSettings stored);

// The table a file name's extension stands for; None for any other file.
CliOptions::TableKind tableKindForPath(const std::string &path);

// Exit status 3: a separation factor below 1 (see --help).
inline constexpr int kExitClearance = 3;

// The export that a file name asks for, by its extension (in any case); none for others.
bool isGeoJsonPath(const std::string &path);
// A document file: the extension .dvn in any case, as the desktop program opens "X.DVN".
bool isDocumentPath(const std::string &path);

// Why the error model in effect cannot be computed: the input that `missing` names, with
// the option that gives it (in the chosen language, UTF-8).
std::string missingInputMessage(ErrorModel model, unc::MissingInput missing);

// The text of --help in the chosen language.
std::string cliUsage();
