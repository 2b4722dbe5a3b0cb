// What the Python module's functions share: the exception that carries a message of the
// program, the survey object, and the functions the module definition (bindings.cpp)
// exposes. Everything computed comes from the program's layers; see module.cpp.
#pragma once

#include "well/computation.h"
#include "well/well.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace dravonpy {

namespace py = pybind11;

// A fault the program tells its user: the message as the batch tool says it (chosen
// language, UTF-8), with the line of the file (a table's row) where there is one, counted
// from 1 (0 for none), and the text found there.
class Error : public std::runtime_error
{
public:
    explicit Error(const std::string &message, int line = 0, std::string text = {})
        : std::runtime_error(message)
        , m_line(line)
        , m_text(std::move(text))
    {
    }
    int line() const { return m_line; }
    const std::string &text() const { return m_text; }

private:
    int m_line = 0;
    std::string m_text;
};

// A well as read from a file or made from arrays: its name, settings and stations, and
// what the reader said besides faults (rows below a table that were not read).
struct Survey
{
    well::Well well;
    std::vector<std::string> notices;
};

Survey read(const std::string &path, const std::optional<std::string> &format,
    const py::kwargs &kwargs);
py::dict course(const py::handle &first, const py::object &inclination, const py::object &azimuth,
    const py::object &tieIn, const py::object &only, const py::kwargs &kwargs);
// `survey`: a Survey, or (md, inclination, azimuth).
py::dict positionsAtMd(const py::handle &survey, const py::handle &depths, const py::kwargs &kwargs);
py::dict positionsAtTvd(const py::handle &survey, const py::handle &depths, const py::kwargs &kwargs);
py::dict positionsEvery(const py::handle &survey, double step, const py::kwargs &kwargs);
py::array_t<double> covariances(const py::handle &first, const py::object &inclination,
    const py::object &azimuth, bool hla, const py::kwargs &kwargs);
py::list clearance(const Survey &reference, const py::list &offsets, const py::kwargs &kwargs);
void write(const std::string &path, const Survey &survey, const py::kwargs &kwargs);
void setLanguage(const std::string &code);
std::string language();

// Stations from three arrays of equal length (read in place where they are contiguous
// float64, converted otherwise).
// The arrays md, inclination and azimuth of a call, checked (one dimension, one length)
// and read as doubles; `columns` reads them while this lives.
class StationArrays
{
    using In = py::array_t<double, py::array::c_style | py::array::forcecast>;
    In m_md, m_inclination, m_azimuth;

public:
    StationArrays(const py::handle &md, const py::handle &inclination, const py::handle &azimuth);
    well::StationColumns columns;
};

well::Survey stationsOf(const py::handle &md, const py::handle &inclination, const py::handle &azimuth);

py::object settingsDict(const WellSettings &settings);
WellSettings settingsFromDict(const py::object &dict);
// The survey's depths (0), inclinations (1) or azimuths (2) as a new array.
py::array_t<double> stationColumn(const Survey &survey, int which);

} // namespace dravonpy
