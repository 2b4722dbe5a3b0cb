// Lengths in metres or feet for listings and exports. The stations and the results table
// are always in metres; only what is written out is converted.
#pragma once

#include "core/lengthunit.h"

#include <string>

namespace listing {

// The same type as the unit in the well settings.
using Unit = LengthUnit;

// The international foot.
inline constexpr double kFootInMetres = 0.3048;

double fromMetres(double metres, Unit unit);
double toMetres(double value, Unit unit);

// Dogleg per 30 m, or per 100 ft in feet.
double doglegRate(double perThirtyMetres, Unit unit);

// "m" or "ft".
const char *unitName(Unit unit);
// "°/30 m" or "°/100 ft", UTF-8.
const char *doglegUnitName(Unit unit);

// "m" or "ft" as typed; false for anything else.
bool parseUnit(const std::string &text, Unit &unit);

} // namespace listing
