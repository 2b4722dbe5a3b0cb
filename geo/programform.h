// The survey program as the forms show it: one row of text per run (depths with a decimal
// comma or point, the tool's code, the run's name and day), the check of the rows with a
// fault that names the row and the field, and the search of the tool library that the
// chooser of a row's tool offers. No Qt.
#pragma once

#include "toollibrary/toollibrary.h"
#include "uncertainty/settings.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace geo {

struct ProgramRow
{
    std::string fromMd, toMd; // metres; an empty end: to the end of the well
    std::string tool; // a code of the library ("GYRO-NS"), or a chooser's "CODE — long name"
    std::string name; // UTF-8
    std::string date; // "14.03.2025" (also "2025-03-14"); empty for none

    bool empty() const;
    bool operator==(const ProgramRow &) const = default;
};

// The rows of `program`, one per run.
std::vector<ProgramRow> programRows(const std::vector<SurveyRun> &program);

// The program of the rows; rows with every field empty are left out. False with a fault in
// the chosen language (UTF-8) that names the row (its number in `rows`, from 1) and the
// field; `out` is then untouched. A tool must be a code of the operator's own tools `own`
// or of the library that it can compute; a code typed in other case is taken as the tool
// writes it.
bool programFromRows(const std::vector<ProgramRow> &rows, std::vector<SurveyRun> &out,
    std::string &fault, std::span<const OwnTool> own = {});

// One tool for the whole well: a program of one run from 0 without end. False with the
// fault naming the field `what` when `typed` is no code of `own` or the library that it can
// compute.
bool toolProgram(const std::string &typed, const std::string &what, std::vector<SurveyRun> &out,
    std::string &fault, std::span<const OwnTool> own = {});
// Whether `program` is one tool for the whole well (a run from 0 without end, name or day).
bool isToolProgram(const std::vector<SurveyRun> &program);

// The tools whose code or long name contains `text` (blanks around it ignored, any case),
// in the library's order; every tool for an empty text.
std::vector<const toollib::Tool *> searchTools(std::string_view text);

// The choices of a chooser for `text`: the own tools whose code or description contains
// it, then the library's tools as searchTools finds them.
std::vector<std::string> searchChoices(std::string_view text, std::span<const OwnTool> own);
// A tool as a chooser lists it: "GYRO-NS — long name", "OP-GYRO — description".
std::string choiceText(const toollib::Tool &tool);
std::string choiceText(const OwnTool &tool);
// The code in a chooser's text ("GYRO-NS — …" or just the code), without blanks around it.
std::string codeOfChoice(std::string_view text);

} // namespace geo
