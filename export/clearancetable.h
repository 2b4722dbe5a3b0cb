// The clearance scan as a table: one row per point of the well and offset well, in the
// order of the well's depths (the offsets in their order at each depth), with the
// offset's nearest point, the bearing and distance to it, both pedal-curve radii and the
// separation factor. Lengths always in metres. The radii and the factor are empty where
// an error model is missing. No Qt.
#pragma once

#include "clearance/scan.h"
#include "export/columntable.h"
#include "export/exportformats.h"

#include <string>

namespace surveyexport {

ColumnTable clearanceTable(const clr::Scan &scan);

// Writes a table of the well's own (not a station export) to `path` (UTF-8) as CSV, German
// CSV or .xlsx on a sheet named `sheetName`; a WITSML format is refused. False when the
// file cannot be written; it is replaced only when the new one is complete.
bool writeTable(const std::string &path, ExportFormat format, const ColumnTable &table,
    const ExportInfo &info, const std::string &sheetName);

// Writes the table to `path` (UTF-8) as CSV, German CSV or .xlsx (a WITSML format is
// refused); false when the file cannot be written. The file is replaced only when the
// new one is complete.
bool writeClearance(
    const std::string &path, ExportFormat format, const clr::Scan &scan, const ExportInfo &info);

} // namespace surveyexport
