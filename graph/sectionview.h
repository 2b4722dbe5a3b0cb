// The vertical section as a graph view: true vertical depth down the left axis against
// the vertical section (north * cos + east * sin of the section azimuth) across, with the
// azimuth written on the page. The series come from the numeric trajectory; the page is
// the same one that draws the side and top views, so that screen, print and the file
// export show the same picture.
#pragma once

#include "core/survey.h"
#include "core/units.h"

#include <optional>
#include <string>

// The section azimuth that a view or listing uses: `chosen`, or the direction of the
// final displacement.
double sectionAzimuthOf(const traj::Trajectory &t, std::optional<double> chosen);

// "Vertikalschnitt Azimut 123,4°" (Windows-1252).
std::string sectionCaption(double azimuth);

// The data the graph page draws for the vertical section of `data` (computed): a copy
// with the series, captions and switches of the section view; lengths in `unit`.
SurveyData sectionViewData(const SurveyData &data, double azimuth, LengthUnit unit);
