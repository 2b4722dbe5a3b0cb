// The definition of the extension module dravon._dravon: names, keyword arguments and
// docstrings of what module.cpp does. The package dravon (python/dravon/__init__.py)
// exports all of it.
#include "python/binding.h"

#include "i18n/i18n.h"
#include "i18n/qt/catalogue.h"

#include <pybind11/stl.h>

#include <Python.h>

namespace py = pybind11;
using namespace dravonpy;

namespace {

const char *const kOptionsNote = R"(
Further keyword arguments are the batch tool's options with '_' for '-' (see
``dravon-cli --help``): ``error_model="iscwsa-mwd-rev5"``, ``mag_field=50000``,
``mag_dip=72``, ``declination=-4``, ``north="true"``, ``latitude=60``,
``tie_in=(md, tvd, north, east, inclination, azimuth)``, ``section_azimuth=130``,
``tool=["0-600:GYRO-NS", "600-:MWD"]``, ``wellhead=(easting, northing)``, ``crs="EPSG:25832"``,
... A tuple of numbers is written with commas, a list of texts repeats the option, True
is a flag. They are read by the batch tool's own parser: a value it refuses raises
dravon.Error with its message.)";

std::string doc(const char *text)
{
    return std::string(text) + kOptionsNote;
}

} // namespace

PYBIND11_MODULE(_dravon, m)
{
    m.doc() = "Borehole courses by minimum curvature, their ISCWSA positional uncertainty, "
              "the clearance against neighbouring wells, and the survey file formats of "
              "Dravon, from numpy arrays.";

    // The language of the messages: the environment's, as the batch tool chooses it.
    i18nqt::install(i18n::languageFromEnvironment());

    static py::exception<Error> error(m, "Error", PyExc_Exception);
    error.doc() = "A fault the program tells its user; str(e) is its message in the chosen "
                  "language, naming the file, the line and the reason where there are such.";
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p)
                std::rethrow_exception(p);
        } catch (const Error &e) {
            py::object instance = py::handle(error.ptr())(py::str(e.what()));
            instance.attr("line") = e.line() > 0 ? py::cast(e.line()) : py::none();
            instance.attr("text") = e.line() > 0 ? py::cast(e.text()) : py::none();
            PyErr_SetObject(error.ptr(), instance.ptr());
        }
    });
    PyObject *warning = PyErr_NewExceptionWithDoc("dravon.Warning",
        "What the program says without refusing: an offset left out of the clearance scan, "
        "a well computed without its error model.",
        PyExc_UserWarning, nullptr);
    m.attr("Warning") = py::reinterpret_steal<py::object>(warning);

    py::class_<Survey>(m, "Survey",
        "A well: its name, settings and stations (measured depth in metres, inclination "
        "and azimuth in degrees).")
        .def(py::init([](const py::handle &md, const py::handle &inclination,
                          const py::handle &azimuth, const std::string &name,
                          const py::object &settings) {
            Survey s;
            s.well.name = name;
            s.well.settings = settingsFromDict(settings);
            s.well.survey = stationsOf(md, inclination, azimuth);
            return s;
        }),
            py::arg("md"), py::arg("inclination"), py::arg("azimuth"), py::kw_only(),
            py::arg("name") = "", py::arg("settings") = py::none(),
            "A survey from three arrays of equal length; `settings` is a dict in the form "
            "of the `settings` property (the document file's JSON).")
        .def_property(
            "name", [](const Survey &s) { return s.well.name; },
            [](Survey &s, const std::string &n) { s.well.name = n; })
        .def_property_readonly(
            "md", [](const Survey &s) { return stationColumn(s, 0); },
            "Measured depths (m), a new float64 array.")
        .def_property_readonly(
            "inclination", [](const Survey &s) { return stationColumn(s, 1); },
            "Inclinations (degrees), a new float64 array.")
        .def_property_readonly(
            "azimuth", [](const Survey &s) { return stationColumn(s, 2); },
            "Azimuths (degrees), a new float64 array.")
        .def_property(
            "settings", [](const Survey &s) { return settingsDict(s.well.settings); },
            [](Survey &s, const py::object &d) { s.well.settings = settingsFromDict(d); },
            "The well's settings as a dict, in the JSON form the document file stores.")
        .def_property_readonly(
            "info", [](const Survey &s) { return s.well.info; },
            "The descriptive lines that came with a measurement file.")
        .def_property_readonly(
            "notices", [](const Survey &s) { return s.notices; },
            "What the reader said besides faults (rows below a table not read).")
        .def_property_readonly(
            "tie_in",
            [](const Survey &s) -> py::object {
                const auto &t = s.well.settings.tieIn;
                if (!t)
                    return py::none();
                return py::make_tuple(t->md, t->tvd, t->north, t->east, t->inclination, t->azimuth);
            },
            "Where the survey begins below the surface: (md, tvd, north, east, inclination, "
            "azimuth), or None.")
        .def("__len__", [](const Survey &s) { return s.well.survey.size(); })
        .def("__repr__", [](const Survey &s) {
            return "<dravon.Survey " + py::repr(py::str(s.well.name)).cast<std::string>() + ", "
                + std::to_string(s.well.survey.size()) + " stations>";
        });

    m.def("read", &dravonpy::read, py::arg("path"), py::arg("format") = py::none(),
        doc("read(path, format=None, **options) -> Survey\n\n"
            "Reads any file the batch tool reads: a document (.dvn), a table (.csv, .tsv, "
            ".xlsx, .xls, .las, .xml) by its extension or `format`, else a measurement file "
            "in `format` 'weg', 'free' (the default) or 'atk'. Table options: columns, "
            "reading_columns, decimal, delimiter, depth_unit, sheet, every, tie_in_row. A "
            "fault raises dravon.Error naming the file, the line and the reason.")
            .c_str());
    m.def("course", &course, py::arg("md"), py::arg("inclination") = py::none(),
        py::arg("azimuth") = py::none(), py::kw_only(), py::arg("tie_in") = py::none(),
        py::arg("only") = py::none(),
        doc("course(md, inclination, azimuth, *, tie_in=None, only=None, **options) -> dict\n"
            "course(survey, *, only=None, **options) -> dict\n\n"
            "The minimum-curvature course at every station, the rows of the batch tool's "
            "--export: float64 arrays md, inclination, azimuth, tvd, north, east, "
            "displacement, displacement_azimuth, vertical_section, dls (degrees per 30 m), "
            "radius (NaN on a straight interval), depth_loss, and easting, northing, "
            "height where the settings place the well; section_azimuth the azimuth of the "
            "vertical section. Metres and degrees. `only` names the columns wanted (a name "
            "or a sequence of names); the others are not computed, and section_azimuth comes "
            "with vertical_section. A station the check refuses raises dravon.Error with the "
            "program's messages.")
            .c_str());
    m.def("positions_at_md", &positionsAtMd, py::arg("survey"), py::arg("depths"),
        doc("positions_at_md(survey, depths, **options) -> dict\n"
            "positions_at_md((md, inclination, azimuth), depths, **options) -> dict\n\n"
            "The points at the measured depths `depths` on the course, as the batch tool's "
            "--at-md lists them; the arrays of course().")
            .c_str());
    m.def("positions_at_tvd", &positionsAtTvd, py::arg("survey"), py::arg("depths"),
        doc("positions_at_tvd(survey, depths, **options) -> dict\n\n"
            "Every point where the course reaches each true vertical depth, as --at-tvd.")
            .c_str());
    m.def("positions_every", &positionsEvery, py::arg("survey"), py::arg("step"),
        doc("positions_every(survey, step, **options) -> dict\n\n"
            "Points every `step` metres of measured depth, first and last station included, "
            "as --every-md.")
            .c_str());
    m.def("covariances", &covariances, py::arg("md"),
        py::arg("inclination") = py::none(), py::arg("azimuth") = py::none(), py::kw_only(),
        py::arg("hla") = false,
        doc("covariances(survey, *, hla=False, **options) -> numpy.ndarray (n, 3, 3)\n\n"
            "The positional covariance at every computed station (1 sigma, m^2) by the error "
            "model of error_model= or tool= (a survey program) and the survey's settings: "
            "north, east, vertical; with hla=True high side, lateral, along hole. An input "
            "the model lacks raises dravon.Error naming it.")
            .c_str());
    m.def("clearance", &clearance, py::arg("reference"), py::arg("offsets"),
        doc("clearance(reference, offsets, **options) -> list[dict]\n\n"
            "The clearance scan of `reference` against each offset: an offset is a Survey "
            "(placed by its own settings' wellhead) or (Survey, {\"position\": (north, "
            "east)}) with the batch tool's --offset-* options without their prefix "
            "(position, wellhead, elevation, hole, kickoff, parent, tool, name). Per offset a "
            "dict: name, from_md, the arrays reference_md, reference_tvd, reference_north, "
            "reference_east, offset_md, offset_tvd, offset_north, offset_east, bearing, "
            "distance, reference_pcr, offset_pcr, separation_factor (NaN without an error "
            "model), lowest_separation_factor and closest_distance. Rule options: hole, "
            "surface_margin, project_ahead, sf_k, sf_warning.")
            .c_str());
    m.def("write", &dravonpy::write, py::arg("path"), py::arg("survey"),
        doc("write(path, survey, **options) -> None\n\n"
            "Writes the computed stations as the batch tool's --export does, the format by "
            "the extension: .csv (export_style=\"de\" for semicolons and decimal commas), "
            ".xlsx, .xml (WITSML) or .geojson.")
            .c_str());
    m.def("set_language", &setLanguage, py::arg("language"),
        "Speaks 'de' or 'en' from now on (messages of dravon.Error and warnings).");
    m.def("language", &language, "The language of the messages: 'de' or 'en'.");
}
