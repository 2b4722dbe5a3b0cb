// The scene of the 3D view as the desktop view and the batch tool make it from a
// document: its well first, in the first colour of the palette, with the tube of its
// covariances at the error model's multiple of σ; then its neighbouring wells, each in
// the next colour with the tube of its own error model.
#pragma once

#include "analysis/analysis.h"
#include "scene3d/scene.h"

#include <optional>
#include <string>
#include <vector>

namespace view3d {

// `name` is the well's name; `covariances` one per station of `path` (the
// document's) or empty; `sigmas` the multiple of σ of the tubes of the wells that have
// covariances. The colours of `others` are replaced by the palette's.
scene3d::Scene documentScene(const std::string &name, const traj::Trajectory &path,
    const std::vector<unc::Sym3> &covariances, double sigmas,
    std::vector<scene3d::WellInput> others = {});

// The neighbouring wells that `scan` took part, placed as it placed them: in the
// reference's frame, turned into its north, a sidetrack on its parent's path, each with
// its covariances from `covariances` (none where that list has none).
std::vector<scene3d::WellInput> offsetWells(
    const clr::WellScan &scan, const std::vector<std::vector<unc::Sym3>> &covariances);

// The plan of `result` as a well of the scene named `name`, drawn dashed; nothing when the
// plan was refused or there is none.
std::optional<scene3d::WellInput> planWell(const plan::PlanResult &result, const std::string &name);

// The scene of an analysed well: the well along its computed path with the covariances
// made of it (or none), its plan when there is one, the offsets of its scan, then
// `others`; the tubes at the well's multiple of σ.
scene3d::Scene wellScene(
    const analysis::Analysis &analysis, std::vector<scene3d::WellInput> others = {});

} // namespace view3d
