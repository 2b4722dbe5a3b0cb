// The positional uncertainty on the graph pages: the covariances of the stations by the
// well's error model (uncertainty/uncertainty.h), projected onto the plane that each view
// shows, and the line that names the model and the multiple of σ. Made with the plot
// value, once per new result; the page draws what it finds there and computes nothing.
#pragma once

#include "core/units.h"
#include "graph/plotdata.h"
#include "uncertainty/uncertainty.h"
#include "well/settings.h"

#include <string>
#include <vector>

// What the page writes below its legends: "Unsicherheit: ISCWSA MWD Rev. 5, 2 Sigma"
// (the multiple spelt out, as the pages and their files have always shown it).
std::string uncertaintyCaption(const UncertaintySettings &u, double sigmas);

// Gives the side or top view made from `t` by plotDataOf the spread of its points: `nev`
// holds one covariance per station of `t`, `u` the model and the multiple of σ. Nothing
// changes when `u` chooses no model, its multiple is no positive number or `nev` does
// not match the stations.
//   Top view: the covariance of east and north.
//   Side view: the covariance of true vertical depth and of the displacement, the
//   horizontal part taken along the direction of the displacement at the point.
void addUncertainty(PlotData &d, const traj::Trajectory &t, PlotView view,
    const std::vector<unc::Sym3> &nev, const UncertaintySettings &u);

// The same for the vertical section along `azimuth` (degrees) in `unit`, as made by
// sectionPlotData: the covariance of true vertical depth and of the position along the
// section's direction.
void addSectionUncertainty(PlotData &d, double azimuth, LengthUnit unit,
    const std::vector<unc::Sym3> &nev, const UncertaintySettings &u);
