// The vertical section as a graph view: true vertical depth down the left axis against
// the vertical section (north * cos + east * sin of the section azimuth) across, with the
// azimuth written on the page. The series come from the numeric trajectory; the page is
// the same one that draws the side and top views, so that screen, print and the file
// export show the same picture.
#pragma once

#include "core/units.h"
#include "graph/plotdata.h"

#include <optional>
#include <string>

// The section azimuth that a view or listing uses: `chosen`, or the direction of the
// final displacement.
double sectionAzimuthOf(const traj::Trajectory &t, std::optional<double> chosen);

// "Vertikalschnitt Azimut 123,4°".
std::string sectionCaption(double azimuth);

// The plot value of the vertical section of the trajectory `t` of the borehole `name`
// along `azimuth`: one point per computed station, lengths in `unit`.
PlotData sectionPlotData(
    const traj::Trajectory &t, const std::string &name, double azimuth, LengthUnit unit);
