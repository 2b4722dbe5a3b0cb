// Offset wells as they come in: from a well read out of a file (a document, a table, a
// measurement file), and as the "Nachbarbohrungen" dialog shows them, every value as
// text. The checks are plain logic here, so that the dialog and the batch tool only show
// what they say. Faults are in the chosen language (UTF-8) and name the field. No Qt.
#pragma once

#include "well/settings.h"
#include "well/well.h"

#include <optional>
#include <string>

namespace clr {

// The offset of `source`, read from a file, for a well with `settings`: its name (UTF-8)
// and stations; from a document (`stored`: the settings it brought) its wellhead where it
// lies in the well's coordinate reference system (or either names none), the elevation
// of its depth reference, its hole and its own error model, and its azimuths turned into
// the well's north. The slot stays unset (no wellhead, north and east 0) when the file
// gives none; `note` (if given) then says why when the document had a wellhead. False
// with the fault when the stations are not all usable (a line the check refuses, no
// station) or the azimuths cannot be turned; `out` is then untouched.
bool offsetOfWell(const well::Well &source, const std::optional<WellSettings> &stored,
    const WellSettings &settings, OffsetWell &out, std::string &fault, std::string *note = nullptr);

// A name not yet among `offsets` and other than `wellName`: `wanted`, or with " (2)",
// " (3)", ... after it.
std::string freeOffsetName(
    const std::vector<OffsetWell> &offsets, const std::string &wellName, const std::string &wanted);

// One offset in the dialog's fields. Numbers with a decimal comma or point.
struct OffsetForm
{
    std::string name;
    bool byWellhead = false; // the slot by easting and northing, not north and east
    std::string north, east, easting, northing; // metres
    std::string elevation; // metres above sea level; empty: the well's
    std::string hole; // diameter, metres; empty: 0
    // Unset: the well's error model. Otherwise its own, with its inputs (empty: the
    // latitude from the well's wellhead, the default gravity; field and dip are needed).
    std::optional<ErrorModel> model;
    // With `model`: the survey program, already read from its rows
    // (toollibrary/programform); with runs it takes the place of `model`.
    std::vector<SurveyRun> program;
    std::string latitude, gravity, totalField, dip;
    std::string parent; // UTF-8; empty: a hole of its own
    std::string kickOff; // metres MD; needed with a parent
};

OffsetForm formOf(const OffsetWell &offset);

// `base` with the values of the form (its stations and unknown members kept), for a well
// with `settings`. False with the fault naming the first bad field; `out` then untouched.
// An empty north, east, easting or northing is refused where it is needed: nothing is
// placed at a guessed zero.
bool offsetFromForm(const OffsetForm &form, const OffsetWell &base, const WellSettings &settings,
    OffsetWell &out, std::string &fault);

// The rule and the well's own hole in the dialog's fields.
struct RuleForm
{
    std::string hole, surfaceMargin, projectAhead, scalingFactor, warningFactor;
};

RuleForm ruleFormOf(const ClearanceSettings &rule);
bool ruleFromForm(const RuleForm &form, ClearanceSettings &out, std::string &fault);

} // namespace clr
