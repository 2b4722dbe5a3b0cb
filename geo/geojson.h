// The hole on a map: a GeoJSON file (RFC 7946) in WGS 84 longitude and latitude with the
// height above sea level in metres as the third coordinate. The path is one LineString
// through every station, each station also a Point with its values. Without an elevation
// the positions have two coordinates: no height is guessed. The trajectory is the computed
// course (analysis/), whose azimuths, north and east are in grid north (geo/north.h); the
// line's properties name that north ("nordbezug").
#pragma once

#include "core/trajectory.h"
#include "well/settings.h"

#include <string>

namespace geo {

// `name`: the borehole's name, UTF-8. False with a fault in the chosen language (UTF-8) when the
// settings do not place the hole: no coordinate system, no wellhead, a missing declination.
bool geoJson(const traj::Trajectory &trajectory, const WellSettings &settings,
    const std::string &name, std::string &out, std::string &fault);

} // namespace geo
