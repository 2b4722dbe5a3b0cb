// What --magnetic-field prints: the Earth's magnetic field at a place and a date.
#pragma once

#include "cli/options.h"

#include <string>

// The model's name and the field's declination, inclination, total and horizontal
// intensity, one line each in the chosen language, numbers with a decimal point. The
// request was checked by the parse of the command line: it lies inside the models.
std::string magneticFieldReport(const MagneticFieldRequest &request);
