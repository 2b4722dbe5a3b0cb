#include "listing/units.h"

namespace listing {

double fromMetres(double metres, Unit unit)
{
    return unit == Unit::Foot ? metres / kFootInMetres : metres;
}

double toMetres(double value, Unit unit)
{
    return unit == Unit::Foot ? value * kFootInMetres : value;
}

double doglegRate(double perThirtyMetres, Unit unit)
{
    // The same angle over 100 ft = 30.48 m instead of 30 m.
    return unit == Unit::Foot ? perThirtyMetres * (100.0 * kFootInMetres / 30.0) : perThirtyMetres;
}

const char *unitName(Unit unit)
{
    return unit == Unit::Foot ? "ft" : "m";
}

const char *doglegUnitName(Unit unit)
{
    return unit == Unit::Foot ? "°/100 ft" : "°/30 m";
}

bool parseUnit(const std::string &text, Unit &unit)
{
    if (text == "m")
        unit = Unit::Metre;
    else if (text == "ft")
        unit = Unit::Foot;
    else
        return false;
    return true;
}

} // namespace listing
