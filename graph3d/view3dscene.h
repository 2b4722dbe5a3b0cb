// The scene of the 3D view as the desktop view and the batch tool make it from a
// document: its well first, in the first colour of the palette, with the tube of its
// covariances at the error model's multiple of σ; then its neighbouring wells, each in
// the next colour with the tube of its own error model.
#pragma once

#include "scene3d/scene.h"
#include "well/well.h"

#include <string>
#include <vector>

namespace view3d {

// `name` is the well's name; `covariances` one per station of `path` (the
// document's) or empty; `sigmas` the multiple of σ of the tubes of the wells that have
// covariances. The colours of `others` are replaced by the palette's.
scene3d::Scene documentScene(const std::string &name, const traj::Trajectory &path,
    const std::vector<unc::Sym3> &covariances, double sigmas,
    std::vector<scene3d::WellInput> others = {});

// The neighbouring wells of `well` (its settings' offsets) as the clearance scan places
// them against its computed `path`: in its frame, turned into its north, a sidetrack on
// its parent's path, each with the covariances of its error model (none without one).
// Those the scan leaves out are left out here too.
std::vector<scene3d::WellInput> offsetWells(const well::Well &well, const traj::Trajectory &path);

// The scene of a document: `well` along its computed `path` with `covariances` (one per
// station, or none), its offsets, then `others`; the tubes at the well's multiple of σ.
scene3d::Scene wellScene(const well::Well &well, const traj::Trajectory &path,
    const std::vector<unc::Sym3> &covariances, std::vector<scene3d::WellInput> others = {});

} // namespace view3d
