// Reading a survey delivered as a LAS file (Log ASCII Standard, versions 1.2 and 2.0):
// ~Version, ~Well, ~Curve and the ~A data; ~Parameter, ~Other and unknown sections are
// passed over. The curves become the columns of a table whose first row holds their
// mnemonics, so the depth, inclination and azimuth curves are found by the usual names
// (DEPT/MD/DEPTH, INC/INCL/DEVI, AZI/AZIM/HAZI/AZIMUTH) or chosen like a table's columns.
//
// Units: a curve in feet (F, FT, FEET) gets "(ft)" in its heading, which makes the
// mapping convert its depths; a curve in radians (RAD) is given in degrees. Other units
// are shown in the heading as the file writes them.
//
// The NULL value of ~Well marks an absent value: such a cell is left empty and marked
// absent. A row with NULL in the depth, inclination or azimuth curve is passed over: a
// survey delivered within a log has values in its survey curves only at the stations, and
// NULL at every other depth step. NULL in any other curve does not matter. (A table's row
// with an empty cell among the three is refused instead: there an empty cell is a slip.)
//
// Refused whole: wrapped data (WRAP YES), LAS 3.0, a data line with more or fewer values
// than curves, a value that is no number, a file without ~Curve or ~A, and any file beyond
// the table bounds of table.h. No Qt.
#pragma once

#include "exchange/surveyfile.h"

#include <string_view>

namespace exchange {

SurveyFileRead readLas(std::string_view bytes);

} // namespace exchange
