// The Python module `dravon`: the engine of the batch tool without files in between. A
// survey is read by the readers the batch tool uses, its settings are taken from keyword
// arguments through the batch tool's own option parser (so that `error_model=` takes the
// words of --error-model with the same checks and messages), and every answer comes from
// the analysis and export layers the batch tool and the desktop program call. Nothing is
// computed here: this file moves numbers between numpy arrays and those layers.
//
// A fault the program would tell its user raises dravon.Error with the program's message
// in the chosen language; a call that misuses the Python interface (a wrong type, arrays
// of different lengths) raises TypeError or ValueError as any Python function would.
#include "python/binding.h"

#include "analysis/analysis.h"
#include "clearance/offsetform.h"
#include "cli/offsetplace.h"
#include "cli/options.h"
#include "cli/programfile.h"
#include "core/atomicfile.h"
#include "document/docfile.h"
#include "exchange/stationmapping.h"
#include "exchange/tablefile.h"
#include "export/exportformats.h"
#include "export/wellrows.h"
#include "geo/errormodelinputs.h"
#include "geo/geojson.h"
#include "geo/north.h"
#include "geo/placement.h"
#include "geo/owntoolfile.h"
#include "i18n/i18n.h"
#include "i18n/qt/catalogue.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"
#include "toollibrary/toollibrary.h"
#include "well/settingsjson.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace py = pybind11;

namespace dravonpy {

namespace {

// Options that write files or choose what the batch tool prints: the module has a
// function for each of those, and taking them silently would mislead.
const std::set<std::string> kNoKeyword = { "export", "export_style", "listing", "plot", "view",
    "camera", "true_scale", "results_file", "save", "clearance", "error_terms", "survey_check",
    "interpolate", "magnetic_field", "help", "version", "stations", "plan", "plan_step", "lang",
    "at_md", "at_tvd", "every_md", "offset", "offset_name", "offset_position",
    "offset_wellhead", "offset_elevation", "offset_hole", "offset_kickoff", "offset_parent",
    "offset_tool" };

// A number as the command line writes it: Python's repr of an int or float, which is
// locale-free and reads back as the same double (numpy scalars are taken as Python
// numbers, whose repr has no type name around it); any other value as its str.
std::string numberText(const py::handle &value)
{
    if (py::isinstance<py::int_>(value) && !py::isinstance<py::bool_>(value))
        return py::repr(value.cast<py::int_>()).cast<std::string>();
    if (PyNumber_Check(value.ptr()) && !py::isinstance<py::str>(value))
        return py::repr(py::float_(py::reinterpret_borrow<py::object>(value))).cast<std::string>();
    return py::str(value).cast<std::string>();
}

// One keyword argument as the words of the command line: `mag_field=50000` is
// "--mag-field 50000", a tuple of numbers is joined by commas (`tie_in=(1200, 1150.5, ...)`),
// a list of texts repeats the option (`tool=["0-600:GYRO-NS", "600-:MWD"]`), True is a
// flag and None leaves the option out.
void appendWords(const std::string &key, const py::handle &value, std::vector<std::string> &args)
{
    if (kNoKeyword.count(key))
        throw py::type_error("dravon: the keyword '" + key
            + "' is not taken here; the module has its own function for it");
    std::string option = "--" + key;
    std::replace(option.begin(), option.end(), '_', '-');
    if (value.is_none())
        return;
    if (py::isinstance<py::bool_>(value)) {
        if (value.cast<bool>())
            args.push_back(option);
        return;
    }
    if (py::isinstance<py::str>(value)) {
        args.push_back(option);
        args.push_back(value.cast<std::string>());
        return;
    }
    // A list, a tuple or a one-dimensional numpy array.
    if (PySequence_Check(value.ptr()) && !py::isinstance<py::bytes>(value)) {
        const py::sequence items = py::reinterpret_borrow<py::sequence>(value);
        const bool texts = items.size() > 0 && py::isinstance<py::str>(items[0]);
        if (texts) {
            for (const py::handle item : items) {
                args.push_back(option);
                args.push_back(py::str(item).cast<std::string>());
            }
            return;
        }
        std::string joined;
        for (const py::handle item : items) {
            if (!joined.empty())
                joined += ',';
            joined += numberText(item);
        }
        args.push_back(option);
        args.push_back(joined);
        return;
    }
    args.push_back(option);
    args.push_back(numberText(value));
}

// The options of `kwargs` read by the batch tool's parser, with `input` as its input file
// ("-" when there is none: the parser wants one).
CliOptions optionsOf(const py::kwargs &kwargs, const std::string &input,
    const std::vector<std::string> &leading = {})
{
    std::vector<std::string> args = leading;
    for (const auto &[key, value] : kwargs)
        appendWords(py::str(key).cast<std::string>(), value, args);
    args.push_back(input);
    // A script's loop over many wells passes the same keywords call after call: the parse,
    // a function of the words alone, is made once for them. (The GIL is held here.)
    static std::vector<std::string> lastArgs;
    static CliOptions lastOptions;
    if (args == lastArgs)
        return lastOptions;
    const CliParseResult parsed = parseCommandLine(args);
    if (!parsed.error.empty())
        throw Error(parsed.error);
    lastOptions = parsed.options;
    lastArgs = std::move(args);
    return parsed.options;
}

// The well settings of `options` over `stored`, with the tool models and the survey
// program they name, as the batch run takes them; a tool code that no library or own
// tool knows raises.
WellSettings settingsOf(const CliOptions &options, const WellSettings &stored)
{
    WellSettings settings = withWellOptions(options, stored);
    for (const std::string &file : options.toolModelFiles) {
        std::vector<OwnTool> tools;
        std::string bytes, fault;
        exchange::TableFault read;
        if (!exchange::readTableFile(file, bytes, read))
            fault = read.message;
        else
            geo::ownToolsFromFile(bytes, file, tools, fault);
        if (!fault.empty())
            throw Error("--tool-model " + file + ": " + fault);
        geo::mergeOwnTools(settings.ownTools, tools);
    }
    if (!options.programFile.empty()) {
        std::string fault;
        if (!cli::readProgramFile(
                options.programFile, settings.uncertainty.program, fault, settings.ownTools))
            throw Error(fault);
    }
    for (const SurveyRun &run : options.toolRuns) {
        const toollib::ModelOrRefusal r = toollib::modelFor(run.tool, settings.ownTools);
        if (r.refusal)
            throw Error("--tool: " + r.refusal->message);
    }
    return settings;
}

// A table (delimited text, .xlsx, .xls, LAS or WITSML) into `well`, as the batch tool
// imports its input; what the import says besides goes to `notices`.
void importTable(const CliOptions &options, const std::string &path, well::Well &well,
    std::vector<std::string> &notices)
{
    exchange::TableFileBytes bytes;
    exchange::TableFault fault;
    if (!exchange::readTableFile(path, bytes, fault))
        throw Error(fault.message);
    const CliOptions::TableKind table = options.table;
    auto format = table == CliOptions::TableKind::Xlsx ? exchange::TableFormat::Xlsx
        : table == CliOptions::TableKind::Xls                ? exchange::TableFormat::Xls
        : table == CliOptions::TableKind::Las                ? exchange::TableFormat::Las
        : table == CliOptions::TableKind::Witsml             ? exchange::TableFormat::Witsml
                                                             : exchange::TableFormat::Delimited;
    if (const auto refused = exchange::checkTableContent(path, bytes.view(), format))
        throw Error(refused->message);
    exchange::MappingRequest request = options.mapping;
    request.step = schrittweite(options.datenauswahl);
    std::string wellName;
    std::optional<well::TieIn> tieIn;
    std::vector<well::FieldReading> fieldReadings;
    exchange::StationImport import = exchange::importTableStations(bytes.view(), format,
        options.delimiter, options.sheet, request, &wellName, &tieIn, &fieldReadings);
    if (import.fault)
        throw Error(path + ": " + import.fault->message, import.fault->row, import.fault->text);
    if (const std::string notice = import.notice(); !notice.empty())
        notices.push_back(path + ": " + notice);
    well.survey = std::move(import.survey);
    well.settings.tieIn = import.tieIn ? import.tieIn : tieIn;
    well.settings.fieldReadings
        = import.fieldReadings.empty() ? std::move(fieldReadings) : std::move(import.fieldReadings);
    well.info.clear();
    well.name = wellName.empty() ? exchange::nameFromPath(path) : wellName;
}

// A measurement file (WEG, free or ATK) into `well`; the reader's first fault raises,
// naming the file, the line and the reason.
void readMeasurements(const CliOptions &options, const std::string &path, well::Well &well)
{
    const MeasurementFileLines file = readMeasurementFile(path);
    const StringList &lines = file.lines;
    if (!file.opened)
        throw Error(i18n::arg(
            i18n::translate("Batch", "Die Datei %1 kann nicht gelesen werden."), { path }));
    const MeasurementRead read = readMeasurement(
        lines, options.format, schrittweite(options.datenauswahl), well.name, well.info);
    if (!read.faults.empty()) {
        const ReadFault &f = read.faults.front();
        throw Error(path + ": " + f.message, f.lineNumber, f.line);
    }
    well.survey = well::surveyFromLines(read.stations);
    well.info = read.info;
    well.name = read.name;
    well.format = options.format;
}

py::array_t<double> array(std::size_t n)
{
    return py::array_t<double>(static_cast<py::ssize_t>(n));
}

} // namespace

StationArrays::StationArrays(
    const py::handle &md, const py::handle &inclination, const py::handle &azimuth)
    : m_md(In::ensure(md))
    , m_inclination(In::ensure(inclination))
    , m_azimuth(In::ensure(azimuth))
{
    if (!m_md || !m_inclination || !m_azimuth)
        throw py::type_error("dravon: md, inclination and azimuth must be arrays of numbers");
    if (m_md.ndim() != 1 || m_inclination.ndim() != 1 || m_azimuth.ndim() != 1)
        throw py::value_error("dravon: md, inclination and azimuth must be one-dimensional");
    const auto n = static_cast<std::size_t>(m_md.size());
    if (static_cast<std::size_t>(m_inclination.size()) != n
        || static_cast<std::size_t>(m_azimuth.size()) != n)
        throw py::value_error("dravon: md, inclination and azimuth must have the same length");
    columns = { m_md.data(), m_inclination.data(), m_azimuth.data(), 1, n };
}

namespace {

// The well a function is asked about: a Survey, or the arrays md, inclination, azimuth.
well::Well wellOfArguments(const py::handle &first, const py::object &inclination,
    const py::object &azimuth)
{
    if (py::isinstance<Survey>(first)) {
        if (!inclination.is_none() || !azimuth.is_none())
            throw py::type_error("dravon: give a Survey or the three arrays, not both");
        return first.cast<const Survey &>().well;
    }
    if (inclination.is_none() || azimuth.is_none())
        throw py::type_error("dravon: give a Survey or md, inclination and azimuth");
    well::Well w;
    w.name.clear();
    w.survey = stationsOf(first, inclination, azimuth);
    return w;
}

// The well of the positions_* functions: a Survey, or (md, inclination, azimuth).
well::Well wellOfSurvey(const py::handle &survey)
{
    if (py::isinstance<Survey>(survey))
        return survey.cast<const Survey &>().well;
    if ((py::isinstance<py::tuple>(survey) || py::isinstance<py::list>(survey))
        && py::len(survey) == 3) {
        const py::sequence arrays = survey.cast<py::sequence>();
        return wellOfArguments(arrays[0], arrays[1], arrays[2]);
    }
    throw py::type_error("dravon: give a Survey or (md, inclination, azimuth)");
}

// The well with the settings of `kwargs` over its own, and its name.
well::Well withOptions(well::Well well, const py::kwargs &kwargs)
{
    const CliOptions options = optionsOf(kwargs, "-");
    well.settings = settingsOf(options, well.settings);
    if (options.name)
        well.name = *options.name;
    return well;
}

// The course of `well`; a station the check refuses or a run that stops raises with the
// program's messages, one a line.
void computeOrRaise(analysis::Analysis &analysis)
{
    const well::Computation *result = nullptr;
    {
        py::gil_scoped_release release;
        result = &analysis.computeCourse();
    }
    if (!result->clean() || result->aborted) {
        std::string said;
        for (const well::Diagnostic &d : result->diagnostics) {
            if (!said.empty())
                said += '\n';
            said += well::text(d);
        }
        throw Error(said);
    }
}

// The names of course()'s columns, in the export's order.
enum CourseColumn { Md, Inc, Azi, Tvd, North, East, Disp, DispAzi, Section, Dls, Radius, Loss,
    Easting, Northing, Height, kCourseColumns };
const char *const kCourseNames[kCourseColumns] = { "md", "inclination", "azimuth", "tvd", "north",
    "east", "displacement", "displacement_azimuth", "vertical_section", "dls", "radius",
    "depth_loss", "easting", "northing", "height" };

// The columns of course() and the positions_* functions: metres and degrees, the dogleg
// per 30 m; the radius NaN where the export leaves its cell empty (a straight interval),
// the absolute columns NaN where the settings do not place the well. Filled row by row
// into arrays made once, a piece of the rows at a time.
class Columns
{
public:
    explicit Columns(std::size_t n)
        : m_n(n)
    {
        for (std::size_t c = 0; c < kCount; ++c) {
            m_arrays[c] = array(n);
            m_data[c] = m_arrays[c].mutable_data();
        }
    }

    void put(std::size_t first, const listing::Listing &piece)
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (std::size_t k = 0; k < piece.rows.size() && first + k < m_n; ++k) {
            const listing::Row &r = piece.rows[k];
            const std::size_t i = first + k;
            const double values[kCount] = { r.point.md, r.point.inclination, r.point.azimuth,
                r.point.tvd, r.point.north, r.point.east, r.point.displacement,
                r.point.displacementAzimuth, r.verticalSection, r.point.doglegPer30,
                r.point.radius > 0 ? r.point.radius : nan, r.point.depthLoss,
                r.easting.value_or(nan), r.northing.value_or(nan), r.height.value_or(nan) };
            for (std::size_t c = 0; c < kCount; ++c)
                m_data[c][i] = values[c];
            m_placed = m_placed || r.easting.has_value();
        }
        m_sectionAzimuth = piece.sectionAzimuth;
    }

    py::dict dict() const
    {
        py::dict out;
        // The absolute columns only where the settings place the well, as in the export.
        for (std::size_t c = 0; c < (m_placed ? kCount : std::size_t { Easting }); ++c)
            out[kCourseNames[c]] = m_arrays[c];
        out["section_azimuth"] = m_sectionAzimuth;
        return out;
    }

private:
    static constexpr std::size_t kCount = kCourseColumns;
    std::size_t m_n = 0;
    py::array_t<double> m_arrays[kCount];
    double *m_data[kCount] = {};
    bool m_placed = false;
    double m_sectionAzimuth = 0;
};

// The rows of `requests` on the course of `well` (every station without requests), in
// the settings' row form as the batch tool's --export and --listing make them. Every
// station's rows are made a piece at a time, as the export writes them: a million rows
// are never held at once.
py::dict listingOf(well::Well well, const std::vector<listing::Request> &requests,
    const py::kwargs &kwargs)
{
    const CliOptions options = optionsOf(kwargs, "-");
    well.settings = settingsOf(options, well.settings);
    analysis::Analysis analysis(std::move(well));
    analysis.setScope({ false, false, false });
    computeOrRaise(analysis);
    const WellSettings &settings = analysis.well().settings;
    const std::optional<double> sectionAzimuth
        = options.sectionAzimuth ? options.sectionAzimuth : settings.sectionAzimuth;
    const listing::Unit unit = options.unitGiven ? options.unit : settings.unit;
    surveyexport::RowSettings rowSettings
        = surveyexport::rowSettings(settings, unit, sectionAzimuth);
    // No column here reads the covariances (covariances() gives them).
    rowSettings.uncertainty.reset();
    const traj::Trajectory &path = analysis.computation().path;
    if (requests.empty()) {
        const surveyexport::RowSource source = surveyexport::stationRows(path, rowSettings);
        Columns columns(source.size);
        {
            py::gil_scoped_release release;
            constexpr std::size_t kPiece = 1 << 14;
            listing::Listing piece;
            for (std::size_t first = 0; first < source.size; first += kPiece) {
                source.make(first, std::min(kPiece, source.size - first), piece);
                columns.put(first, piece);
            }
        }
        return columns.dict();
    }
    listing::Listing rows;
    {
        py::gil_scoped_release release;
        rows = surveyexport::wellRows(path, requests, rowSettings);
    }
    if (!rows.faults.empty()) {
        std::string said;
        for (const std::string &f : rows.faults)
            said += (said.empty() ? "" : "\n") + f;
        throw Error(said);
    }
    Columns columns(rows.rows.size());
    columns.put(0, rows);
    return columns.dict();
}

std::vector<listing::Request> requestsOf(listing::RequestKind kind, const py::handle &values)
{
    using In = py::array_t<double, py::array::c_style | py::array::forcecast>;
    const In v = In::ensure(values);
    if (!v)
        throw py::type_error("dravon: the depths must be numbers");
    std::vector<listing::Request> out;
    for (py::ssize_t k = 0; k < v.size(); ++k)
        out.push_back({ kind, v.data()[k] });
    return out;
}

// The error model's inputs of `analysis`'s settings along its computed course, or why
// there are none, in the batch tool's words.
const unc::Inputs &modelInputsOrRaise(const analysis::Analysis &analysis)
{
    const analysis::ModelInputs &m = analysis.modelInputs();
    if (m.inputs)
        return *m.inputs;
    const WellSettings &settings = analysis.well().settings;
    if (!settings.uncertainty.hasModel())
        throw Error(i18n::translate("Python",
            "Die Kovarianzen brauchen ein Fehlermodell: error_model=iscwsa-mwd-rev5 oder "
            "iscwsa-mwd-rev4, ein Vermessungsprogramm (tool=VON-BIS:WERKZEUG) oder eines in "
            "den Einstellungen der Bohrung."));
    std::string message = m.missing == unc::MissingInput::Program
        ? m.refusal
        : missingInputMessage(settings.uncertainty.model, m.missing);
    const std::string reason = geo::missingInputReason(settings, m.missing);
    if (!reason.empty()) {
        message += ' ' + reason;
        if (!settings.surveyDate)
            message += ' ' + i18n::translate("Batch", "Das Datum gibt --survey-date JJJJ-MM-TT.");
    }
    throw Error(message);
}

py::array_t<double> matrices(const std::vector<unc::Sym3> &c)
{
    py::array_t<double> out({ static_cast<py::ssize_t>(c.size()), py::ssize_t(3), py::ssize_t(3) });
    double *p = out.mutable_data();
    for (std::size_t k = 0; k < c.size(); ++k, p += 9) {
        const unc::Sym3 &s = c[k];
        p[0] = s.xx, p[1] = s.xy, p[2] = s.xz;
        p[3] = s.xy, p[4] = s.yy, p[5] = s.yz;
        p[6] = s.xz, p[7] = s.yz, p[8] = s.zz;
    }
    return out;
}

} // namespace

well::Survey stationsOf(const py::handle &md, const py::handle &inclination, const py::handle &azimuth)
{
    const StationArrays arrays(md, inclination, azimuth);
    const well::StationColumns &c = arrays.columns;
    well::Survey survey;
    survey.reserve(c.count);
    for (std::size_t k = 0; k < c.count; ++k)
        survey.add(c.at(k));
    return survey;
}

Survey read(const std::string &path, const std::optional<std::string> &format,
    const py::kwargs &kwargs)
{
    std::vector<std::string> leading;
    if (format) {
        leading.push_back("--format");
        leading.push_back(*format);
    }
    const CliOptions options = optionsOf(kwargs, path, leading);
    Survey out;
    well::Well &w = out.well;
    {
        if (isDocumentPath(path)) {
            DocumentItems items;
            std::string message;
            if (!readDocumentFile(path, path, items, message))
                throw Error(message);
            w = wellOf(std::move(items));
        } else if (options.table != CliOptions::TableKind::None) {
            importTable(options, path, w, out.notices);
        } else {
            readMeasurements(options, path, w);
        }
    }
    w.settings = settingsOf(options, w.settings);
    if (options.name)
        w.name = *options.name;
    return out;
}

namespace {

// The columns `only` asks for (every one for None): a name or a sequence of names.
std::array<bool, kCourseColumns> wantedColumns(const py::object &only)
{
    std::array<bool, kCourseColumns> wanted {};
    if (only.is_none()) {
        wanted.fill(true);
        return wanted;
    }
    const py::list names = py::isinstance<py::str>(only) ? py::list(py::make_tuple(only))
                                                          : py::list(only);
    for (const py::handle &item : names) {
        const std::string name = py::str(item).cast<std::string>();
        const auto *found = std::find_if(std::begin(kCourseNames), std::end(kCourseNames),
            [&name](const char *known) { return name == known; });
        if (found == std::end(kCourseNames)) {
            std::string known;
            for (const char *k : kCourseNames) {
                if (!known.empty())
                    known.append(", ");
                known.append(k);
            }
            throw Error(i18n::arg(i18n::translate("Python",
                                      "only= nennt die Spalte „%1“, die es nicht gibt; es gibt %2."),
                { name, known }));
        }
        wanted[static_cast<std::size_t>(found - std::begin(kCourseNames))] = true;
    }
    return wanted;
}

// course() of every station without the records of the analysis: the numeric course
// written straight into the arrays of the columns (well::computeCourseColumns), then the
// vertical section and the absolute columns as the export's rows have them; only the
// `wanted` columns are made. None when the check has anything to say: the full
// computation then raises with its messages.
std::optional<py::dict> leanCourse(const well::StationColumns &stations,
    const WellSettings &stored, const py::kwargs &kwargs,
    const std::array<bool, kCourseColumns> &wanted)
{
    const CliOptions options = optionsOf(kwargs, "-");
    const WellSettings settings = settingsOf(options, stored);
    std::optional<well::CheckedColumns> checked;
    {
        py::gil_scoped_release release;
        checked = well::checkColumns(stations, settings.tieIn);
    }
    if (!checked)
        return std::nullopt;
    const std::size_t count = checked->count;
    const std::optional<double> sectionAzimuth
        = options.sectionAzimuth ? options.sectionAzimuth : settings.sectionAzimuth;
    const surveyexport::RowSettings rowSettings
        = surveyexport::rowSettings(settings, options.unitGiven ? options.unit : settings.unit,
            sectionAzimuth);
    const geo::CourseNorth north = geo::courseNorth(settings);

    // The columns made besides those wanted, in memory of their own: the positions, which
    // the pass always writes; the displacement's azimuth for a vertical section without an
    // azimuth of its own; both grid columns, which come together, for either or the height.
    std::array<bool, kCourseColumns> made = wanted;
    made[Tvd] = made[North] = made[East] = true;
    if (wanted[Section] && !sectionAzimuth)
        made[DispAzi] = true;
    if (wanted[Easting] || wanted[Northing] || wanted[Height])
        made[Easting] = made[Northing] = true;
    py::array_t<double> arrays[kCourseColumns];
    std::vector<double> unwanted[kCourseColumns];
    double *p[kCourseColumns] = {};
    for (int c = 0; c < kCourseColumns; ++c) {
        if (!made[c])
            continue;
        if (!wanted[c]) {
            unwanted[c].resize(count);
            p[c] = unwanted[c].data();
            continue;
        }
        // In the pages numpy gives. Asked onto huge pages, a million rows after a caller's
        // numpy temporaries took four times as long in 3 of 15 bench runs (1 of 29 without).
        arrays[c] = array(count);
        p[c] = arrays[c].mutable_data();
    }
    std::size_t rows = 0;
    bool placed = false;
    double azimuth = 0;
    {
        py::gil_scoped_release release;
        rows = well::computeCourseColumns(stations, *checked, settings.tieIn, north.turn,
            { p[Md], p[Inc], p[Azi], p[Tvd], p[North], p[East], p[Disp], p[DispAzi], p[Dls],
                p[Radius], p[Loss] });
        const double nan = std::numeric_limits<double>::quiet_NaN();
        // The export leaves the radius of a straight interval (and the first station's)
        // empty.
        if (p[Radius]) {
            for (std::size_t k = 0; k < rows; ++k) {
                if (!(p[Radius][k] > 0))
                    p[Radius][k] = nan;
            }
        }
        if (rows > 0) {
            azimuth = sectionAzimuth ? *sectionAzimuth
                                     : (p[DispAzi] ? p[DispAzi][rows - 1] : 0.0);
            if (p[Section])
                listing::verticalSections(p[North], p[East], rows, azimuth, p[Section]);
            const geo::Placement &placement = rowSettings.placement;
            if (p[Easting])
                placed = placement.gridColumns(p[North], p[East], rows, p[Easting], p[Northing]);
            if (placed && p[Height] && !placement.heightColumn(p[Tvd], rows, p[Height]))
                std::fill(p[Height], p[Height] + rows, nan);
        }
    }
    py::dict out;
    for (int c = 0; c < kCourseColumns; ++c) {
        // The absolute columns only where the settings place the well, as in the export.
        if (!wanted[c] || (c >= Easting && !placed))
            continue;
        if (rows < count)
            out[kCourseNames[c]] = arrays[c][py::slice(0, static_cast<py::ssize_t>(rows), 1)].attr("copy")();
        else
            out[kCourseNames[c]] = arrays[c];
    }
    if (wanted[Section])
        out["section_azimuth"] = azimuth;
    return out;
}

} // namespace

py::dict course(const py::handle &first, const py::object &inclination, const py::object &azimuth,
    const py::object &tieIn, const py::object &only, const py::kwargs &kwargs)
{
    py::kwargs options = kwargs;
    if (!tieIn.is_none())
        options["tie_in"] = tieIn;
    const std::array<bool, kCourseColumns> wanted = wantedColumns(only);
    // Every station of a survey read without a line that is no station, or of three arrays.
    if (py::isinstance<Survey>(first)) {
        const Survey &survey = first.cast<const Survey &>();
        const well::Survey &stations = survey.well.survey;
        if (inclination.is_none() && azimuth.is_none() && stations.unreadLines().empty()
            && stations.lineCount() == stations.stations().size()) {
            static_assert(sizeof(well::Station) == 3 * sizeof(double));
            const std::vector<well::Station> &st = stations.stations();
            const well::StationColumns columns { st.empty() ? nullptr : &st.front().md,
                st.empty() ? nullptr : &st.front().inclination,
                st.empty() ? nullptr : &st.front().azimuth, 3, st.size() };
            if (std::optional<py::dict> lean
                = leanCourse(columns, survey.well.settings, options, wanted))
                return *lean;
        }
    } else if (!inclination.is_none() && !azimuth.is_none()) {
        const StationArrays arrays(first, inclination, azimuth);
        if (std::optional<py::dict> lean = leanCourse(arrays.columns, WellSettings {}, options, wanted))
            return *lean;
    }
    well::Well w = wellOfArguments(first, inclination, azimuth);
    py::dict all = listingOf(std::move(w), {}, options);
    if (only.is_none())
        return all;
    py::dict out;
    for (int c = 0; c < kCourseColumns; ++c) {
        if (wanted[c] && all.contains(kCourseNames[c]))
            out[kCourseNames[c]] = all[kCourseNames[c]];
    }
    if (wanted[Section])
        out["section_azimuth"] = all["section_azimuth"];
    return out;
}

py::dict positionsAtMd(const py::handle &survey, const py::handle &depths, const py::kwargs &kwargs)
{
    return listingOf(wellOfSurvey(survey),
        requestsOf(listing::RequestKind::AtMd, depths), kwargs);
}

py::dict positionsAtTvd(const py::handle &survey, const py::handle &depths, const py::kwargs &kwargs)
{
    return listingOf(wellOfSurvey(survey),
        requestsOf(listing::RequestKind::AtTvd, depths), kwargs);
}

py::dict positionsEvery(const py::handle &survey, double step, const py::kwargs &kwargs)
{
    // The batch tool's check of --every-md.
    if (!(step > 0) || !std::isfinite(step))
        throw Error(
            i18n::translate("Batch", "--every-md erwartet eine Schrittweite größer als 0"));
    return listingOf(wellOfSurvey(survey), { { listing::RequestKind::EveryMd, step } }, kwargs);
}

py::array_t<double> covariances(const py::handle &first, const py::object &inclination,
    const py::object &azimuth, bool hla, const py::kwargs &kwargs)
{
    well::Well w = withOptions(wellOfArguments(first, inclination, azimuth), kwargs);
    analysis::Analysis analysis(std::move(w));
    analysis.setScope({ false, false, false });
    computeOrRaise(analysis);
    modelInputsOrRaise(analysis);
    std::vector<unc::Sym3> c;
    {
        py::gil_scoped_release release;
        const traj::Trajectory &path = analysis.computation().path;
        c = analysis.computeCovariances();
        if (hla) {
            for (std::size_t k = 0; k < c.size(); ++k)
                c[k] = unc::toHla(c[k], path.stations[k].inclination, path.stations[k].azimuth);
        }
    }
    return matrices(c);
}

void write(const std::string &path, const Survey &survey, const py::kwargs &kwargs)
{
    // export_style="de" is checked here as the batch tool checks --export-style with the
    // --export it goes with; the other keywords are the well's settings.
    py::kwargs settingsKeywords;
    bool germanCsv = false;
    for (const auto &[key, value] : kwargs) {
        if (py::str(key).cast<std::string>() != "export_style") {
            settingsKeywords[key] = value;
            continue;
        }
        if (value.is_none())
            continue;
        if (!py::isinstance<py::str>(value) || value.cast<std::string>() != "de")
            throw Error(
                i18n::translate("Batch", "--export-style erwartet de (Semikolon und Dezimalkomma)"));
        if (surveyexport::exportFormatForPath(path) != surveyexport::ExportFormat::Csv)
            throw Error(i18n::translate("Batch", "--export-style gilt nur für --export PFAD.csv"));
        germanCsv = true;
    }
    const CliOptions options = optionsOf(settingsKeywords, "-");
    well::Well w = survey.well;
    w.settings = settingsOf(options, w.settings);
    if (options.name)
        w.name = *options.name;
    const bool geojson = isGeoJsonPath(path);
    const auto format = surveyexport::exportFormatForPath(path, germanCsv);
    if (!geojson && !format)
        throw Error(i18n::translate("Batch",
            "--export erwartet einen Dateinamen mit der Endung .csv, .xlsx, .xml oder .geojson"));
    const WellSettings settings = w.settings;
    const std::string name = w.name;
    analysis::Analysis analysis(std::move(w));
    analysis.setScope({ false, false, false });
    computeOrRaise(analysis);
    const traj::Trajectory &path_ = analysis.computation().path;
    if (geojson) {
        std::string bytes, why;
        bool ok = false;
        {
            py::gil_scoped_release release;
            ok = geo::geoJson(path_, settings, name, bytes, why);
        }
        if (!ok)
            throw Error(path + ": " + why);
        if (!atomicfile::writeFile(path, bytes))
            throw Error(i18n::arg(
                i18n::translate("Batch", "Die Karte %1 kann nicht geschrieben werden."), { path }));
        return;
    }
    const std::optional<double> sectionAzimuth
        = options.sectionAzimuth ? options.sectionAzimuth : settings.sectionAzimuth;
    const listing::Unit unit = options.unitGiven ? options.unit : settings.unit;
    std::string unplaced;
    const surveyexport::RowSettings rowSettings
        = surveyexport::rowSettings(settings, unit, sectionAzimuth, &unplaced);
    if (!unplaced.empty())
        throw Error(unplaced);
    if (settings.uncertainty.hasModel())
        modelInputsOrRaise(analysis);
    surveyexport::ExportInfo info;
    info.borehole = name;
    info.north = analysis.courseNorth();
    info.program = settings.uncertainty.program;
    bool ok = false;
    {
        py::gil_scoped_release release;
        ok = surveyexport::writeExport(
            path, *format, surveyexport::stationRows(path_, rowSettings), info);
    }
    if (!ok)
        throw Error(i18n::arg(
            i18n::translate("Batch", "Die Exportdatei %1 kann nicht geschrieben werden."), { path }));
}

namespace {

// One offset of clearance(): a Survey, or a Survey with a dict of the batch tool's
// --offset-* options without their prefix ({"position": (120, -35), "hole": 0.311}),
// made an offset well of `settings` as the batch tool makes one of --offset FILE.
OffsetWell offsetOf(const py::handle &item, const std::string &wellName,
    const WellSettings &settings, std::size_t index)
{
    py::handle surveyItem = item;
    py::dict extra;
    if (py::isinstance<py::tuple>(item) || py::isinstance<py::list>(item)) {
        const py::sequence pair = item.cast<py::sequence>();
        if (pair.size() != 2 || !py::isinstance<py::dict>(pair[1]))
            throw py::type_error("dravon: an offset is a Survey or a (Survey, dict) pair");
        surveyItem = pair[0];
        extra = pair[1].cast<py::dict>();
    }
    if (!py::isinstance<Survey>(surveyItem))
        throw py::type_error("dravon: an offset is a Survey or a (Survey, dict) pair");
    const well::Well &source = surveyItem.cast<const Survey &>().well;
    // The offset's name stands where the batch tool has its file.
    const std::string label = source.name.empty() ? "offset " + std::to_string(index + 1)
                                                   : source.name;
    std::vector<std::string> args { "--offset", label };
    for (const auto &[key, value] : extra) {
        std::vector<std::string> words;
        const std::string k = py::str(key).cast<std::string>();
        std::string option = "--offset-" + k;
        std::replace(option.begin(), option.end(), '_', '-');
        if (value.is_none())
            continue;
        args.push_back(option);
        if (PySequence_Check(value.ptr()) && !py::isinstance<py::str>(value)
            && !py::isinstance<py::bytes>(value)) {
            std::string joined;
            for (const py::handle v : py::reinterpret_borrow<py::sequence>(value))
                joined += (joined.empty() ? "" : ",") + numberText(v);
            args.push_back(joined);
        } else if (py::isinstance<py::str>(value)) {
            args.push_back(value.cast<std::string>());
        } else {
            args.push_back(numberText(value));
        }
    }
    args.push_back("-");
    const CliParseResult parsed = parseCommandLine(args);
    if (!parsed.error.empty())
        throw Error(parsed.error);
    const OffsetOption &off = parsed.options.offsets.front();

    OffsetWell o;
    std::string message;
    if (!placeOffset(off, source, source.settings, label, label, wellName, settings, o, message))
        throw Error(message);
    return o;
}

py::dict scanRows(const clr::OffsetScan &s)
{
    const std::size_t n = s.rows.size();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const char *names[] = { "reference_md", "reference_tvd", "reference_north",
        "reference_east", "offset_md", "offset_tvd", "offset_north", "offset_east", "bearing",
        "distance", "reference_pcr", "offset_pcr", "separation_factor" };
    std::vector<py::array_t<double>> arrays;
    std::vector<double *> p;
    for (std::size_t c = 0; c < std::size(names); ++c) {
        arrays.push_back(array(n));
        p.push_back(arrays.back().mutable_data());
    }
    for (std::size_t k = 0; k < n; ++k) {
        const clr::Row &r = s.rows[k];
        const double values[] = { r.referenceMd, r.referenceTvd, r.referenceNorth,
            r.referenceEast, r.offsetMd, r.offsetTvd, r.offsetNorth, r.offsetEast, r.bearing,
            r.distance, r.referencePcr.value_or(nan), r.offsetPcr.value_or(nan),
            r.separationFactor.value_or(nan) };
        for (std::size_t c = 0; c < std::size(names); ++c)
            p[c][k] = values[c];
    }
    py::dict out;
    out["name"] = s.name;
    out["from_md"] = s.fromMd;
    for (std::size_t c = 0; c < std::size(names); ++c)
        out[names[c]] = arrays[c];
    out["lowest_separation_factor"] = s.lowestSeparation && s.lowestSeparation->separationFactor
        ? py::cast(*s.lowestSeparation->separationFactor)
        : py::none();
    out["closest_distance"]
        = s.closestApproach ? py::cast(s.closestApproach->distance) : py::none();
    return out;
}

} // namespace

py::list clearance(const Survey &reference, const py::list &offsets, const py::kwargs &kwargs)
{
    const CliOptions options = optionsOf(kwargs, "-");
    well::Well w = reference.well;
    w.settings = settingsOf(options, w.settings);
    if (options.name)
        w.name = *options.name;
    for (std::size_t k = 0; k < offsets.size(); ++k)
        w.settings.offsets.push_back(offsetOf(offsets[k], w.name, w.settings, k));
    std::string fault;
    if (!offsetsValid(w.settings.offsets, w.name, &fault))
        throw Error(i18n::arg(i18n::translate("Batch",
                                  "%1 (--offset-name gibt einer Nachbarbohrung einen anderen Namen)"),
            { fault }));
    if (w.settings.offsets.empty())
        throw Error(i18n::translate("Batch",
            "--clearance braucht Nachbarbohrungen (--offset DATEI oder im Dokument "
            "gespeicherte)."));
    analysis::Analysis analysis(std::move(w));
    analysis.setScope({ false, false, false });
    computeOrRaise(analysis);
    // The scan compares the wells at the reference's stations (the batch tool's steps of
    // --every-md are not taken here).
    const clr::WellScan *scan = nullptr;
    {
        py::gil_scoped_release release;
        scan = &analysis.computeClearance(false);
    }
    // What keeps an offset out, or the well's model from the factors, is no fault of the
    // call: it is said as the batch tool says it, as a warning.
    const py::object warn = py::module_::import("warnings").attr("warn");
    for (const clr::SetupFinding &f : scan->setup)
        warn(clr::text(f), py::module_::import("dravon._dravon").attr("Warning"), 2);
    py::list out;
    for (const clr::OffsetScan &s : scan->scan.offsets)
        out.append(scanRows(s));
    return out;
}

void setLanguage(const std::string &code)
{
    const std::optional<i18n::Language> language = i18n::parseLanguageOption(code);
    if (!language)
        throw py::value_error("dravon: the language is 'de' or 'en'");
    if (!i18nqt::install(*language))
        throw Error("the English texts could not be loaded; German follows.");
}

std::string language()
{
    return i18n::language() == i18n::Language::English ? "en" : "de";
}

py::object settingsDict(const WellSettings &settings)
{
    return py::module_::import("json").attr("loads")(settingsToJson(settings));
}

WellSettings settingsFromDict(const py::object &dict)
{
    WellSettings out;
    if (dict.is_none())
        return out;
    const std::string json = py::module_::import("json").attr("dumps")(dict).cast<std::string>();
    std::string fault;
    if (!settingsFromJson(json, out, &fault))
        throw Error(fault);
    return out;
}

py::array_t<double> stationColumn(const Survey &s, int which)
{
    const std::vector<well::Station> &st = s.well.survey.stations();
    py::array_t<double> out = array(st.size());
    double *p = out.mutable_data();
    for (std::size_t k = 0; k < st.size(); ++k)
        p[k] = which == 0 ? st[k].md : which == 1 ? st[k].inclination : st[k].azimuth;
    return out;
}

} // namespace dravonpy
