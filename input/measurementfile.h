// Splitting a measurement file into lines the way the reading procedure sees them: the
// line feed ends a line, a carriage return right before it belongs to the line end, a
// last line without a line feed still counts, and a file that merely ends with a line
// feed has no extra empty line.
#pragma once

#include "core/stringlist.h"

#include <string>
#include <string_view>

// The lines of a file's bytes. The bytes of each line are kept as they are (no
// character set conversion, an embedded NUL included): what readMeasurement reads.
StringList splitLines(std::string_view bytes);

// The same lines as text (UTF-8), read in the measurement files' Windows-1252: station
// lines taken as they stand, without a format's rules.
StringList textLines(std::string_view bytes);

struct MeasurementFileLines
{
    bool opened = false; // false when the file could not be opened or read
    StringList lines; // empty when !opened
};

// Reads the whole file at `path` (a file system name) and splits it with splitLines.
MeasurementFileLines readMeasurementFile(const std::string &path);
