// The scene of a document's well and the wells shown with it.
#include "graph3d/view3dscene.h"

#include "graph3d/view3dstyle.h"

#include <QCoreApplication>

namespace view3d {

scene3d::Scene documentScene(const std::string &name, const traj::Trajectory &path,
    const std::vector<unc::Sym3> &covariances, double sigmas,
    std::vector<scene3d::WellInput> others)
{
    std::vector<scene3d::WellInput> wells;
    wells.reserve(others.size() + 1);
    scene3d::WellInput own;
    own.name = name;
    own.path = path;
    own.covariances = covariances;
    wells.push_back(std::move(own));
    for (scene3d::WellInput &w : others)
        wells.push_back(std::move(w));
    for (std::size_t i = 0, colour = 0; i < wells.size(); ++i)
        wells[i].colour = wells[i].planned ? view3dstyle::kPlanColour : view3dstyle::wellColour(colour++);
    scene3d::SceneOptions options;
    // Each well with covariances gets its tube, the others none.
    options.sigmas = sigmas;
    return scene3d::buildScene(std::move(wells), options);
}

std::vector<scene3d::WellInput> offsetWells(
    const clr::WellScan &scan, const std::vector<std::vector<unc::Sym3>> &covariances)
{
    std::vector<scene3d::WellInput> out;
    for (std::size_t i = 0; i < scan.offsets.size(); ++i) {
        const clr::Well &o = scan.offsets[i];
        scene3d::WellInput w;
        w.name = o.name;
        // Beyond the scan's radius: no path, so neither drawn nor named, as in the graph
        // pages; its place keeps the colours of the others those of the graph pages.
        if (i < scan.scan.offsets.size() && scan.scan.offsets[i].outOfReach) {
            out.push_back(std::move(w));
            continue;
        }
        w.slotNorth = o.slotNorth;
        w.slotEast = o.slotEast;
        w.depthShift = o.depthShift;
        if (i < covariances.size())
            w.covariances = covariances[i];
        w.path = o.path;
        out.push_back(std::move(w));
    }
    return out;
}

std::optional<scene3d::WellInput> planWell(const plan::PlanResult &result, const std::string &name)
{
    if (!result.plan || result.plan->stations.empty())
        return std::nullopt;
    scene3d::WellInput w;
    w.name = name;
    w.planned = true;
    w.path = plan::stationPath(*result.plan);
    return w;
}

scene3d::Scene wellScene(const analysis::Analysis &analysis, std::vector<scene3d::WellInput> others)
{
    std::vector<scene3d::WellInput> wells;
    if (std::optional<scene3d::WellInput> p = planWell(analysis.plan(),
            QCoreApplication::translate("GraphPage", "Planung").toStdString()))
        wells.push_back(std::move(*p));
    for (scene3d::WellInput &w : offsetWells(analysis.clearance(), analysis.offsetCovariances()))
        wells.push_back(std::move(w));
    for (scene3d::WellInput &w : others)
        wells.push_back(std::move(w));
    const well::Well &well = analysis.well();
    return documentScene(well.name, analysis.computation().path, analysis.covariances(),
        well.settings.uncertainty.ellipseSigma, std::move(wells));
}

} // namespace view3d
