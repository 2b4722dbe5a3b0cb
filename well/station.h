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

// The station where a survey begins when it does not begin at the surface: the last
// station of the survey above (a lower section, a re-survey, a sidetrack) with its true
// vertical depth and its offsets north and east of the wellhead (metres), and its
// direction. The first interval runs from here to the first measured station.
struct TieIn
{
    double md = 0;
    double tvd = 0;
    double north = 0;
    double east = 0;
    double inclination = 0;
    double azimuth = 0;

    Station station() const { return { md, inclination, azimuth }; }
    bool operator==(const TieIn &) const = default;
};

// The limits of a tie-in that every way in (the document, the dialog, the batch tool, an
// imported survey) checks: finite lengths within 1e9 m, a depth at or below the surface,
// and the angles of a station (inclination 0..180, azimuth 0..360 degrees). The position
// is not tied to the depth: a tie-in may lie beside the slot at depth 0.
bool validTieIn(const TieIn &tieIn);

} // namespace well
