// The three measurement-file formats (WEG, free, ATK) read from a sequence of lines:
// station lines, descriptive lines, the borehole name, thinning to every n-th record,
// and the faults met on the way, each with the message the user is to see. Nothing here
// shows anything; the caller passes the faults' messages on.
//
// The files are Windows-1252, and their fixed columns count its one-byte characters: the
// rules read the file's bytes, and what they hand out (names, descriptive lines, the lines
// quoted in faults, messages) is UTF-8 like all text inside the program.
#pragma once

#include "core/stringlist.h"

#include <string>
#include <vector>

// The format choice as the measurement dialog numbers it (m_Format).
enum MeasurementFormat : int {
    WegFormat = 0,
    FreiesFormat = 1,
    AtkFormat = 2,
};

inline bool isMeasurementFormat(int format)
{
    return format == WegFormat || format == FreiesFormat || format == AtkFormat;
}

// The step of the thinning choice m_Datenauswahl: 0, 1, 2, 3 give 1, 2, 5, 10; any other
// value gives 1.
int schrittweite(int datenauswahl);

// A line that stopped the reading.
struct ReadFault
{
    int lineNumber = 0; // counted from 1; 0 when the fault concerns no line
    std::string line; // the line's text (UTF-8)
    std::string message; // what the user is told, exactly
};

struct MeasurementRead
{
    StringList stations; // station lines taken after thinning, in file order
    StringList info; // the descriptive lines after the run (m_Info)
    StringList listedInfo; // the descriptive lines read in this run (descriptive list)
    std::string name; // the borehole name after the run
    bool aborted = false; // a fault stopped the reading
    int linesRead = 0; // lines handed to the rules of the format
    std::vector<ReadFault> faults; // in the order met; reading stops at the first

    // The status text of the dialog after the run: "%d Zeilen wurden eingelesen".
    std::string status() const;
};

// Reads `lines` (as splitLines gives them: the file's bytes) in `format` with thinning
// `step` (1, 2, 5 or 10; anything below 1 counts as 1). `previousName` is the name that
// comes back when a
// fault stops the reading. `previousInfo` is the descriptive text held before: free and
// ATK files replace it, WEG files replace it only when their second line is an A1 or A2
// record and append to it otherwise. What was taken before a fault stays in the result.
// An unknown format reads nothing and reports one fault.
MeasurementRead readMeasurement(const StringList &lines, int format, int step,
    const std::string &previousName = {}, const StringList &previousInfo = {});
