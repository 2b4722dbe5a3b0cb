// The formats the computed survey can be exported in, as the file dialog offers them and
// as a file name's extension chooses them, and the one function that writes any of them.
// A new format is one entry in exportFormats() and one case in writeExport(). No Qt.
#pragma once

#include "geo/north.h"
#include "listing/listing.h"
#include "well/settings.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace surveyexport {

enum class ExportFormat {
    Csv, // comma, decimal point
    GermanCsv, // semicolon, decimal comma
    Xlsx,
    Witsml, // a WITSML 1.4.1.1 trajectory (.xml)
};

struct ExportFormatEntry
{
    ExportFormat format;
    std::string filter; // the file dialog's filter in the chosen language, UTF-8: "CSV (*.csv)"
    const char *extension; // ".csv"
};

// In the order the file dialog lists them.
std::vector<ExportFormatEntry> exportFormats();

// The format a file name's extension stands for (case ignored); `.csv` is the German
// CSV when `germanCsv`. Nothing for any other extension.
std::optional<ExportFormat> exportFormatForPath(const std::string &path, bool germanCsv = false);

// The format for a name chosen in the file dialog with `chosen` as its filter: the
// filter's own format when the extension fits it or names no format, else the format of
// the extension.
ExportFormat exportFormatFor(const std::string &path, ExportFormat chosen);

// `path` with the format's extension added when it has none of the known ones.
std::string withExtension(const std::string &path, ExportFormat format);

struct ExportInfo
{
    std::string borehole; // UTF-8
    std::string document; // UTF-8; may be empty
    bool listing = false; // rows of a listing (with the request that made each), not stations
    // The north of the computed course the rows come from, with the angles that turned
    // the measured azimuths there: named in a title row, and WITSML's aziRef,
    // magDeclUsed and gridCorUsed.
    geo::CourseNorth north;
    // The survey program: WITSML names each station's tool (modelToolError).
    std::vector<SurveyRun> program;
    // The stations are those of a plan, not of a survey: WITSML's itemState "plan".
    bool plan = false;
};

// Writes `rows` to `path` (UTF-8) in `format`; false when the file cannot be written.
// The file is replaced only when the new one is complete (see core/atomicfile.h).
bool writeExport(const std::string &path, ExportFormat format, const listing::Listing &rows,
    const ExportInfo &info);

// The rows of a listing too long to hold, made a piece at a time: `make(first, count,
// piece)` puts the rows from `first` on, at most `count` of them, into `piece`. Making a
// piece twice gives the same rows, and pieces may be made on several threads at once.
struct RowSource
{
    std::size_t size = 0; // rows in all
    std::function<void(std::size_t first, std::size_t count, listing::Listing &piece)> make;
};

// The same file as writeExport of the whole listing, with never more than a piece of it
// in memory (the workbook excepted, which is made whole).
bool writeExport(
    const std::string &path, ExportFormat format, const RowSource &rows, const ExportInfo &info);

} // namespace surveyexport
