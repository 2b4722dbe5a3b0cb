// How the computed path meets each target of the plan: the closest approach, whether it
// lies within the target (its tolerance radius, the box, and for a landing the direction
// within its angle tolerance), and by how much it misses. No Qt.
#pragma once

#include "plan/path.h"
#include "plan/plan.h"

#include <vector>

namespace plan {

// The path counts as reaching a point (a target of radius 0, the edge of a box) when it
// passes within this distance (metres): the arcs a plan computes reach their points to far
// better, and a target is never hit by a rounding error more or less.
inline constexpr double kHitSlack = 1e-6;

struct TargetResult
{
    bool hit = false;
    // The closest approach of the path: its distance from the point, or from the box (0
    // inside it).
    double distance = 0;
    // How far the closest approach lies outside the tolerance radius or the box; 0 when it
    // is inside. A landing's direction is judged by the differences below.
    double miss = 0;
    PathPoint closest; // where on the path (for a box: the first point of its least distance)
    // Landing: the path's direction at the closest point minus the direction asked
    // (degrees; the azimuth's difference in -180 to 180).
    double inclinationDifference = 0, azimuthDifference = 0;
};

// The path must not be empty.
TargetResult evaluate(const Target &target, const std::vector<Piece> &path);

} // namespace plan
