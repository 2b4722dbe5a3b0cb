// The hole against its plan as a table: one row per survey station, with the plan's
// closest point and the station's offset from it (plan/against.h). No Qt.
#pragma once

#include "export/columntable.h"
#include "export/exportformats.h"
#include "plan/against.h"

#include <string>

namespace surveyexport {

ColumnTable againstPlanTable(const plan::AgainstPlan &against);

// Writes the table to `path` (UTF-8) as CSV, German CSV or .xlsx (a WITSML format is
// refused); false when the file cannot be written. The file is replaced only when the new
// one is complete.
bool writeAgainstPlan(const std::string &path, ExportFormat format,
    const plan::AgainstPlan &against, const ExportInfo &info);

} // namespace surveyexport
