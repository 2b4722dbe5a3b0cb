// The well settings as the "Bohrung" form shows them: every value as text, an empty field
// for a value that is not set, decimal commas or points. Checking the form is plain
// logic here, so that the dialog only shows it.
#pragma once

#include "uncertainty/uncertainty.h"
#include "well/settings.h"

#include <array>
#include <optional>
#include <string>

namespace geo {

struct WellForm
{
    std::string easting, northing, elevation; // metres
    std::string epsg; // "25832" or "EPSG:25832"
    NorthReference north = NorthReference::True;
    std::string gridConvergence, declination; // degrees
    // The day of the survey: "14.03.2025" (also "2025-03-14"); empty for none.
    std::string surveyDate;
    std::string sectionAzimuth; // degrees; empty: the direction of the final displacement
    LengthUnit unit = LengthUnit::Metre;
    // The error model and its inputs. Empty: the latitude from the wellhead, the default
    // gravity and multiple of σ; the total field and dip have no default.
    ErrorModel errorModel = ErrorModel::None;
    std::string latitude, dip; // degrees
    std::string gravity; // m/s²
    std::string totalField; // nT
    std::string ellipseSigma; // multiple of σ
    // The tie-in point: MD, TVD, north, east (metres), inclination, azimuth (degrees). All
    // empty: the survey begins at the surface; otherwise all six are needed.
    std::array<std::string, 6> tieIn;
};

// The form of `settings` (numbers with a decimal comma).
WellForm formOf(const WellSettings &settings);

// `base` with the values of the form (members of the stored JSON that this program does
// not know are kept). False with a fault in the chosen language (UTF-8) naming the first bad field;
// `out` is then untouched. An EPSG code must name a projected system that PROJ knows; an error
// model must have every input it needs (the declination also for true or grid azimuths).
bool settingsFromForm(
    const WellForm &form, const WellSettings &base, WellSettings &out, std::string &fault);

// A day as the form shows it, "14.03.2025", and the day a form field holds: "14.03.2025"
// or "2025-03-14", blanks around it allowed; none for anything else.
std::string formDate(const CalendarDate &date);
std::optional<CalendarDate> dateFromForm(const std::string &text);

// What the geomagnetic model gives for the place and the survey date of a form, for the
// notes beside the declination, dip and total field (UTF-8, chosen language): each value
// with the model's name where the model gives it ("WMM2025: 2,53°"), and the note under
// the survey date: the model and the day, why the model gives nothing, or nothing where
// the place is unknown. Fields that cannot be read count as not set.
struct ModelNotes
{
    std::string declination, dip, totalField;
    std::string note;
};
ModelNotes modelNotes(const WellForm &form);

// The pieces every settings form of the program reads and writes its fields with.
// `text` without the blanks around it.
std::string trimmedField(const std::string &text);
// A value as a form shows it: a decimal comma, up to nine decimals, no trailing zeros;
// empty for none.
std::string formNumber(const std::optional<double> &value);
// One field into `to`: empty gives none (a fault naming `what` when `required`), else a
// number with a decimal comma or point that `valid` accepts. False with the fault set.
bool formField(const std::string &text, const std::string &what, bool (*valid)(double),
    bool required, std::optional<double> &to, std::string &fault);

// The field labels of the form as the faults name them, for an input that the error
// model lacks (UTF-8, in the chosen language).
std::string missingFieldName(unc::MissingInput missing);

} // namespace geo
