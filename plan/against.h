// The drilled hole against its plan, as the directional driller reads it at every new
// survey: where each station lies from the plan, where the hole goes from the last station
// if nothing changes (to the bit, and to the depth of the target), and the arc that brings
// it from there onto the target. No Qt.
//
// Conventions:
// - A station's offset from the plan is measured from the plan's closest point to it
//   (plan/path.h), in the frame of the plan's hole there: high side toward the top of the
//   hole (in a vertical plan, toward the azimuth the plan carries there, as the tool face
//   counts), right side horizontal and to the right looking down the hole, along-hole in
//   the plan's direction. The offset is station minus plan: a station east of a plan going
//   north lies to the right (positive); a station above a horizontal plan on the high side.
// - The TVD difference is the station's TVD minus the TVD of the plan's closest point:
//   positive when the hole lies deeper.
// - The projections continue the last interval's arc (its dogleg rate in its plane, that
//   is, at the tool face where it ends), or straight ahead after a straight interval or
//   from a single station.
// - The target steered to is the first target of the plan whose closest point on the plan
//   lies below the plan's point closest to the last station; after the last target, the
//   plan's end.
#pragma once

#include "core/trajectory.h"
#include "plan/compute.h"
#include "plan/steering.h"

#include <optional>
#include <vector>

namespace plan {

// The distance from the sensor to the bit the projection assumes when none is given
// (metres): the length of a measurement tool's usual place above the bit.
inline constexpr double kDefaultBitDistance = 15.0;

struct StationAgainstPlan
{
    double md = 0; // the station's
    double planMd = 0; // of the plan's closest point
    double highSide = 0, rightSide = 0, alongHole = 0; // metres, station minus plan
    double distance = 0; // the whole distance
    double tvdDifference = 0; // station minus plan
};

// A point the hole would reach.
struct ProjectedPoint
{
    double md = 0, inclination = 0, azimuth = 0;
    double tvd = 0, north = 0, east = 0;
};

// The way from the last station to the target.
struct Steering
{
    int target = 0; // the target's number from 1; 0: the plan's end
    double north = 0, east = 0, tvd = 0; // the point steered to
    // The arc there; none when the point lies behind the hole (or at the station).
    std::optional<SteeringArc> arc;
    // The arc's rate is steeper than a section of the plan may ask for (kMaxDoglegPer30).
    bool overLimit = false;
};

struct AgainstPlan
{
    std::vector<StationAgainstPlan> stations; // one per computed station of the survey
    double bitDistance = kDefaultBitDistance;
    ProjectedPoint bit; // the projection to the bit
    // The depth the hole is projected to: the TVD of the target steered to.
    double targetTvd = 0;
    // The projection to that depth; none when the hole, going on as it does, would not
    // reach it (it is above the station, or the arc turns away before it: within half a
    // turn).
    std::optional<ProjectedPoint> atTargetDepth;
    Steering steering;
};

// The comparison of the computed survey `hole` (positions in the plan's frame) with
// `plan`; none for an empty survey. `bitDistance` must be finite and not negative.
std::optional<AgainstPlan> against(
    const ComputedPlan &plan, const Plan &sections, const traj::Trajectory &hole,
    double bitDistance = kDefaultBitDistance);

// How the hole goes on from its last station: the point `length` metres further at the
// last interval's rate and plane. Exposed for its tests.
ProjectedPoint projectAlong(const traj::Trajectory &hole, double length);

} // namespace plan
