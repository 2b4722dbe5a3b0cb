// The stations of a table import into the measurement dialog's state as lines, as a file
// read puts them there (a whole file) or as added lines (rows pasted into the list). No Qt.
#pragma once

#include "exchange/stationmapping.h"
#include "input/lineeditor.h"

namespace exchange {

// Replaces the station list with `import`'s stations (table order until the next line edit,
// like a file read), drops the descriptive lines, names the borehole `name` and sets
// the status. The format choice stays as it is.
void takeImportedStations(LineEditor &state, const StationImport &import, const std::string &name);

// Adds `import`'s stations to the station list at their sorted places; the list order then
// is the station order, as after a line edit.
void addImportedStations(LineEditor &state, const StationImport &import);

} // namespace exchange
