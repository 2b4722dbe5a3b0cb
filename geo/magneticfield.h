// The declination, dip and total field of a well where the user typed none: the
// geomagnetic model's values at the wellhead on the day of the survey. The one place that
// decides where these values come from; the north of the course, the error model's inputs
// and the placement all read the settings through effectiveSettings. Typed values always
// win and need no date. A value the model would have to give while the survey date is
// missing is never taken from today's date: it stays unset and the state says why. No Qt.
#pragma once

#include "magnetic/field.h"
#include "well/settings.h"

#include <optional>
#include <string>

namespace geo {

enum class ModelState {
    NotAsked, // the wellhead's place on the earth is unknown (no EPSG code or wellhead)
    Given, // the model gave the field for the place and the survey date
    NoDate, // the place is known but the survey date is not
    Refused, // the model has no field for the date or place; `refusal` says why
};

struct ModelField
{
    ModelState state = ModelState::NotAsked;
    std::optional<magnetic::Field> field;
    std::string refusal; // the model's own words (chosen language) when Refused
};

// The model's field at the wellhead, at the elevation (else at height 0), on the survey
// date.
ModelField modelField(const WellSettings &settings);

// Whether the settings leave open a magnetic value that something computed needs: the
// declination, or the dip or total field of a chosen error model.
bool needsModelField(const WellSettings &settings);

// The settings as the computations read them: the declination, dip and total field that
// the user left open taken from the model where it gives them. `field` (if given) gets
// what the model said; it is asked only when needsModelField.
WellSettings effectiveSettings(const WellSettings &settings, ModelField *field = nullptr);

// The settings as a document stores them: the model's record beside the survey date made
// anew from the date and the place, and none where the model gives nothing.
WellSettings withModelRecord(WellSettings settings);

} // namespace geo
