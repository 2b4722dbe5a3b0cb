// An operator's own tool model from a file, for the survey programs: the error-model JSON
// (one tool, a list of tools, or an object whose "tools" list holds them) and a table of
// error terms as delimited text. The JSON takes this program's own member names, which the
// settings store (uncertainty/settingsjson.h), and the names of the ISCWSA error-model and
// WITSML tool-error forms in any case: "name"/"shortName"/"toolCode" for "code",
// "longName" for "description", "errorTerms" for "terms", "weightingFunction"/"wtFn" for
// "function", "value" for "magnitude", "units"/"uom" for "unit",
// "errorPropagationMode"/"propagationMode" for "propagation" (also spelled out: "random",
// "systematic", "well", "global"). The table has a heading row with the columns Code (or
// Quelle, Term), Gewichtungsfunktion (Function, Weighting function, Wt.Fn.), Betrag
// (Magnitude, Value), Einheit (Unit) and Fortpflanzung (Propagation), a decimal comma or
// point, and names its tool by the file's name without the extension. Every tool read is
// checked as the library computes it: a function or unit that the library does not know
// refuses the file. No Qt.
#pragma once

#include "uncertainty/settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace geo {

// The tools of a JSON text. False with a fault in the chosen language (UTF-8), `out`
// then untouched.
bool ownToolsFromJson(std::string_view text, std::vector<OwnTool> &out, std::string &fault);

// The tool `code` of a table's text. False with a fault naming the row and column.
bool ownToolFromTable(
    std::string_view text, const std::string &code, OwnTool &out, std::string &fault);

// The tools of a file's bytes: JSON for a `fileName` ending in .json, else a table (text
// in UTF-8 or Windows-1252) whose tool takes the name without folder and extension.
bool ownToolsFromFile(std::string_view bytes, const std::string &fileName,
    std::vector<OwnTool> &out, std::string &fault);

// `tools` added to `into`, each replacing a tool of the same code.
void mergeOwnTools(std::vector<OwnTool> &into, const std::vector<OwnTool> &tools);

} // namespace geo
