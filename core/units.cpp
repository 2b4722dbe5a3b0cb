#include "core/units.h"

namespace units {

const char *unitName(LengthUnit unit)
{
    return unit == LengthUnit::Foot ? "ft" : "m";
}

const char *doglegUnitName(LengthUnit unit)
{
    return unit == LengthUnit::Foot ? "°/100 ft" : "°/30 m";
}

bool parseUnit(const std::string &text, LengthUnit &unit)
{
    if (text == "m")
        unit = LengthUnit::Metre;
    else if (text == "ft")
        unit = LengthUnit::Foot;
    else
        return false;
    return true;
}

} // namespace units
