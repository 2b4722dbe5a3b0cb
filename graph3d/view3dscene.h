// The scene of the 3D view as the desktop view and the batch tool make it from a
// document: its well first, in the first colour of the palette, with the tube of its
// covariances at the error model's multiple of σ; then the other wells shown with it, each
// in the next colour.
#pragma once

#include "scene3d/scene.h"

#include <string>
#include <vector>

namespace view3d {

// `name` is the well's name in Windows-1252; `covariances` one per station of `path` (the
// document's) or empty; `sigmas` the multiple of σ of the tubes of the wells that have
// covariances. The colours of `others` are replaced by the palette's.
scene3d::Scene documentScene(const std::string &name, const traj::Trajectory &path,
    const std::vector<unc::Sym3> &covariances, double sigmas,
    std::vector<scene3d::WellInput> others = {});

} // namespace view3d
