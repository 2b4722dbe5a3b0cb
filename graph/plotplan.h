// The well's plan on the graph page: its computed stations put into the series of the
// view the page shows, as a neighbouring well's path is (plotoffsets.h), and its targets
// as points of the same series. Only a computed plan is drawn: a refused one, or none,
// adds nothing. The page draws it dashed and names it "Planung" in the legend.
#pragma once

#include "core/units.h"
#include "graph/plotdata.h"
#include "plan/compute.h"
#include "plan/plan.h"

#include <vector>

// Gives the side or top view made from `reference` by plotDataOf the plan of `result`
// and the points of `targets` (the plan's, in its order).
void addPlan(PlotData &d, const plan::PlanResult &result, const std::vector<plan::Target> &targets,
    const traj::Trajectory &reference, PlotView view);

// The same for the vertical section along `azimuth` (degrees) in `unit`.
void addSectionPlan(PlotData &d, const plan::PlanResult &result,
    const std::vector<plan::Target> &targets, double azimuth, LengthUnit unit);
