// A well's file made into a well of the field: a document (.dvn), a table by its extension
// (delimited text, .xlsx, .xls, LAS, WITSML) or a measurement file in a chosen format. The
// batch tool's --import and the desktop's "Bohrungen hinzufügen …" read their files here, so
// that both take the same file the same way. Asks nothing; faults are texts.
#pragma once

#include "field/fielddb.h"

#include <optional>
#include <string>
#include <vector>

namespace field {

// How a file that is neither a document nor a table is read.
struct FileReading
{
    int format = 1; // of a measurement file: 0 WEG, 1 free, 2 ATK
    int step = 1; // thinning: every, every 2nd, 5th or 10th station
};

struct WellFile
{
    well::Well well;
    std::optional<WellSettings> settings; // a document's own settings
    // What the readers said without refusing the file: the table reader's notice, the
    // measurement reader's faulty lines.
    std::vector<std::string> notices;
    bool complete = true; // false when a measurement reader stopped at a faulty line
};

// The well of the file at `path`; none with `fault` said when the file cannot be read.
std::optional<WellFile> readWellFile(
    const std::string &path, const FileReading &reading, std::string &fault);

// The trajectories a WITSML file at `path` offers, by their names (empty where one has
// none); nothing for any other file, or one that cannot be read.
std::vector<std::string> trajectoriesOf(const std::string &path);

// The files to import of `given`: a folder stands for its files (not the hidden ones, not
// those in folders below), in the order of their names; anything else for itself. The
// batch tool's --import and the desktop's "Ordner hinzufügen …" take a folder so.
std::vector<std::string> importPaths(const std::vector<std::string> &given);

// The file at `path` as the wells to import into site `site` of field `fieldName`: the
// slot and the well take the file's name without its extension, and so does its one
// wellbore; a WITSML file with several trajectories gives a wellbore of that well for each,
// named as the trajectory. Refused (none, `fault` said) when the file cannot be read whole;
// `notices` gets what the reader said along the way, also before a refusal.
std::optional<std::vector<ImportItem>> importItemsOf(const std::string &path,
    const std::string &fieldName, const std::string &site, const FileReading &reading,
    std::vector<std::string> &notices, std::string &fault);

} // namespace field
