// The inputs of the error model that a well's settings choose, completed from where the
// settings place the wellhead on the earth: its latitude, and the grid convergence that
// grid azimuths need, when the settings give none. What the batch tool, the exports and
// the "Bohrung" form hand to the model. No Qt.
#pragma once

#include "uncertainty/uncertainty.h"
#include "well/settings.h"

#include <optional>
#include <string>

namespace geo {

// None when the settings choose no model or an input is missing (`missing` says which,
// None for no model). A latitude that neither the settings nor the wellhead give stays
// unknown: the MWD terms do not use it.
// The declination, dip and total field not typed come from the geomagnetic model where
// it gives them (geo/magneticfield.h).
// A survey program's tools come from the tool library (toollibrary/); where one cannot be
// computed, `missing` is Program and `refusal` says why (chosen language, UTF-8). A
// program whose tools read nothing magnetic needs no total field, dip or declination.
std::optional<unc::Inputs> errorModelInputs(const WellSettings &settings,
    unc::MissingInput *missing = nullptr, std::string *refusal = nullptr);

// Why a missing declination, dip or total field did not come from the geomagnetic model
// where the wellhead's place is known: a sentence naming the missing survey date, or the
// model's own refusal (chosen language, UTF-8). Empty for any other input, or where the
// place is unknown.
std::string missingInputReason(const WellSettings &settings, unc::MissingInput missing);

} // namespace geo
