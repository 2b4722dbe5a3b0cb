// The scene of a document's well and the wells shown with it.
#include "graph3d/view3dscene.h"

#include "core/win1252.h"
#include "graph3d/view3dstyle.h"

namespace view3d {

scene3d::Scene documentScene(const std::string &name, const traj::Trajectory &path,
    const std::vector<unc::Sym3> &covariances, double sigmas,
    std::vector<scene3d::WellInput> others)
{
    std::vector<scene3d::WellInput> wells;
    wells.reserve(others.size() + 1);
    scene3d::WellInput own;
    own.name = win1252::toUtf8(name);
    own.path = path;
    own.covariances = covariances;
    wells.push_back(std::move(own));
    for (scene3d::WellInput &w : others)
        wells.push_back(std::move(w));
    for (std::size_t i = 0; i < wells.size(); ++i)
        wells[i].colour = view3dstyle::wellColour(i);
    scene3d::SceneOptions options;
    // Each well with covariances gets its tube, the others none.
    options.sigmas = sigmas;
    return scene3d::buildScene(std::move(wells), options);
}

} // namespace view3d
