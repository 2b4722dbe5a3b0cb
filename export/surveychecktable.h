// The survey check as a table: one row a checked station, in the order of the readings,
// with the deviation of each quantity from its reference (empty where it was not measured
// or had no reference) and whether the station lies outside a tolerance. No Qt.
#pragma once

#include "export/columntable.h"
#include "export/exportformats.h"
#include "surveycheck/surveycheck.h"

#include <string>

namespace surveyexport {

ColumnTable surveyCheckTable(const surveycheck::Result &check);

// Writes the table to `path` (UTF-8) as CSV, German CSV or .xlsx (a WITSML format is
// refused); false when the file cannot be written. The file is replaced only when the
// new one is complete.
bool writeSurveyCheck(const std::string &path, ExportFormat format,
    const surveycheck::Result &check, const ExportInfo &info);

} // namespace surveyexport
