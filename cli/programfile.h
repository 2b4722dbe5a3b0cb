// The survey program of --survey-program: a table (delimited text, with a heading row)
// whose columns are found by their headings, From/Von, To/Bis, Tool/Werkzeug and, when
// there, Run/Lauf and Date/Datum, in any order and case; each later row is a run, checked
// as the forms check it (geo/programform.h).
#pragma once

#include "uncertainty/settings.h"

#include <string>
#include <vector>

namespace cli {

// The program of the file at `path`, whose tools are codes of `ownTools` or the library;
// false with a fault in the chosen language (UTF-8) naming the file and the row or column,
// `program` then untouched.
bool readProgramFile(const std::string &path, std::vector<SurveyRun> &program,
    std::string &fault, const std::vector<OwnTool> &ownTools = {});

} // namespace cli
