// One survey station: the measured depth along the hole (metres) and the direction of
// drilling there, inclination from the vertical and azimuth clockwise from north
// (degrees). Values are taken in double precision where they enter the program and flow
// as numbers from there on.
#pragma once

namespace well {

struct Station
{
    double md = 0;
    double inclination = 0;
    double azimuth = 0;

    bool operator==(const Station &) const = default;
};

} // namespace well
