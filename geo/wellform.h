// The well settings as the "Bohrung" form shows them: every value as text, an empty field
// for a value that is not set, decimal commas or points. Checking the form is plain
// logic here, so that the dialog only shows it.
#pragma once

#include "well/settings.h"

#include <string>

namespace geo {

struct WellForm
{
    std::string easting, northing, elevation; // metres
    std::string epsg; // "25832" or "EPSG:25832"
    NorthReference north = NorthReference::True;
    std::string gridConvergence, declination; // degrees
    std::string sectionAzimuth; // degrees; empty: the direction of the final displacement
    LengthUnit unit = LengthUnit::Metre;
};

// The form of `settings` (numbers with a decimal comma).
WellForm formOf(const WellSettings &settings);

// `base` with the values of the form (members of the stored JSON that this program does
// not know are kept). False with a German fault (UTF-8) naming the first bad field; `out`
// is then untouched. An EPSG code must name a projected system that PROJ knows.
bool settingsFromForm(
    const WellForm &form, const WellSettings &base, WellSettings &out, std::string &fault);

} // namespace geo
