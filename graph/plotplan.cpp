// The plan in the series of each view, through the offsets' projection: the plan is a
// path in the reference's frame as an offset's is, and each target a path of one point.
#include "graph/plotplan.h"

#include "graph/graphstyle.h"
#include "graph/plotoffsets.h"

#include <QCoreApplication>

namespace {

std::string planName()
{
    return QCoreApplication::translate("GraphPage", "Planung").toStdString();
}

// Where a target is drawn: its point, or the middle of its box.
traj::Station targetStation(const plan::Target &t)
{
    traj::Station s;
    if (t.kind == plan::TargetKind::Box) {
        s.north = (t.northFrom + t.northTo) / 2;
        s.east = (t.eastFrom + t.eastTo) / 2;
        s.tvd = (t.tvdFrom + t.tvdTo) / 2;
    } else {
        s.north = t.north;
        s.east = t.east;
        s.tvd = t.tvd;
    }
    return s;
}

// The plan and then each target as the paths of a picture.
OffsetPicture pictureOf(const plan::ComputedPlan &computed, const std::vector<plan::Target> &targets)
{
    OffsetPicture picture;
    picture.paths.push_back({ planName(), graphstyle::kPlanPen.color, plan::stationPath(computed), {} });
    for (const plan::Target &t : targets) {
        OffsetPath p;
        p.name = t.name;
        p.path.stations.push_back(targetStation(t));
        picture.paths.push_back(std::move(p));
    }
    return picture;
}

// Moves what addOffsets gave after `first` into the plan and its targets.
void takePlan(PlotData &d, std::size_t first, const std::vector<plan::Target> &targets)
{
    if (d.offsets.size() <= first)
        return;
    d.offsets[first].plan = true;
    for (std::size_t i = 0; i < targets.size() && first + 1 + i < d.offsets.size(); ++i) {
        const PlotOffset &o = d.offsets[first + 1 + i];
        if (o.count() > 0)
            d.planTargets.push_back({ o.name.empty() ? std::to_string(i + 1) : o.name, o.x[0], o.y[0] });
    }
    d.offsets.resize(first + 1);
}

} // namespace


void addPlan(PlotData &d, const plan::PlanResult &result, const std::vector<plan::Target> &targets,
    const traj::Trajectory &reference, PlotView view)
{
    if (!result.plan || result.plan->stations.empty())
        return;
    const std::size_t first = d.offsets.size();
    addOffsets(d, pictureOf(*result.plan, targets), reference, view, false);
    takePlan(d, first, targets);
}

void addSectionPlan(PlotData &d, const plan::PlanResult &result,
    const std::vector<plan::Target> &targets, double azimuth, LengthUnit unit)
{
    if (!result.plan || result.plan->stations.empty())
        return;
    const std::size_t first = d.offsets.size();
    addSectionOffsets(d, pictureOf(*result.plan, targets), azimuth, unit, false);
    takePlan(d, first, targets);
}
