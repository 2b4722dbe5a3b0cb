// What the readers of the drilling industry's exchange formats (LAS, WITSML) give the
// table import: a table of curves or station values with their headings, so that the
// column mapping, the units and the preview are the ones every table gets, besides the
// well's name the file states and, for a file with several surveys, their names. No Qt.
#pragma once

#include "exchange/table.h"
#include "well/fieldreading.h"
#include "well/station.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

enum class SurveyFileKind { Las, Witsml };

struct SurveyFileRead
{
    Table table; // row 1 the headings (with their unit in brackets), then one row a station
    std::vector<std::string> choices; // WITSML: the trajectories' names
    int choice = -1; // the one read, from 0
    std::string wellName; // empty when the file names none
    // WITSML: where the survey begins, when its first station is a tie-in point below or
    // beside the surface; that station is then no row of the table.
    std::optional<well::TieIn> tieIn;
    // WITSML: the stations' magnetic and gravity readings, for those that have any.
    std::vector<well::FieldReading> fieldReadings;
    std::optional<TableFault> fault; // set: no table
};

// The kind a file's content shows, whatever its name says: a LAS file begins (after
// comment lines) with its ~Version section, a WITSML document is XML whose first element
// is a trajectory list or a trajectory. Nothing for anything else.
std::optional<SurveyFileKind> surveyFileKindOf(std::string_view bytes);

// The kind a file name's extension stands for: .las, and .xml or .witsml; nothing else.
std::optional<SurveyFileKind> surveyFileKindForPath(const std::string &path);

// Whether a file goes through the table import (delimited text, a workbook, LAS or
// WITSML) rather than the measurement-file readers: by the extension of `path` or by
// `head`, the file's first bytes.
bool isTableImportFile(const std::string &path, std::string_view head);

// Which of `names` `wanted` means: empty for the first, a number from 1, or a name
// (exactly, then ignoring case); nothing when none fits.
std::optional<int> chooseByNameOrNumber(
    const std::vector<std::string> &names, const std::string &wanted);

// A fault without a place in the table.
TableFault fileFault(const std::string &message);
// A fault at a line of the file.
TableFault lineFault(int line, std::string text, const std::string &message);

} // namespace exchange
