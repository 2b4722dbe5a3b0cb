// The plan file: delimited text (comma or semicolon, found by itself; UTF-8 with or
// without a byte order mark) with a heading row and one section per row. Columns are
// found by their headings in any order and case, each German or English, a unit in
// brackets optional but, when given, the one shown:
//   Abschnitt / Section                 halten|hold, bogen|arc, ziel|target, landen|landing
//   Länge (m) / Length (m)
//   DLS (°/30 m) / DLS (deg/30 m)
//   Werkzeugstellung (°) / Tool face (°)
//   Nord (m) / North (m), Ost (m) / East (m), Seigerteufe (m) / TVD (m)
//   MD (m)                              a hold to a measured depth
//   Neigung (°) / Inclination (°), Azimut (°) / Azimuth (°)
//   Toleranz (m) / Tolerance (m)        a ziel or landen row with one is also a target of
//                                       that radius (a landing target within 1°)
// Only the section column is required. A cell is empty where the section does not use the
// value; numbers take a decimal point or a decimal comma. Other columns are ignored. The
// plan starts at the slot; the caller sets a tie-in. No Qt.
#pragma once

#include "plan/plan.h"
#include "plan/refusal.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plan {

enum class FileFaultKind {
    Unreadable, // the text does not split into a table
    Empty, // no heading row
    NoSectionColumn,
    DuplicateColumn,
    UnknownUnit, // a known heading with a unit that is not the one shown above
    UnknownSection, // the section cell names no kind of section
    NotANumber,
    SectionRefused, // the row's values do not make a section: see `refusal`
    NoSections, // a heading but no section
};

struct FileFault
{
    FileFaultKind kind = FileFaultKind::Unreadable;
    int row = 0; // from 1, as a spreadsheet counts them; 0 for the whole file
    int column = 0; // from 1; 0 where no one column is at fault
    std::string found; // the cell's text
    std::optional<Refusal> refusal;
    std::string message; // in the chosen language, naming row and column
};

struct PlanFileRead
{
    std::optional<Plan> plan; // only when there is no fault: a file is read whole or not at all
    std::vector<FileFault> faults; // in the order of the rows
};

// Reads the file's bytes.
PlanFileRead readPlanFile(std::string_view bytes);

} // namespace plan
