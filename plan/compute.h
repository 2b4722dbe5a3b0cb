// The plan computed: its sections solved into pieces of exact geometry (arcs and holds,
// plan/path.h), stations taken on them at a chosen step and at every section's end, and
// each target judged against the path. Stations are what the rest of the program reads as
// a survey; fed back through the survey computation (core/trajectory.h) they give the
// same positions, because every interval between two stations lies on one arc of the
// plan. A plan that cannot be drilled as written is refused with the first faulty section
// and why. No Qt.
//
// How the sections are solved:
// - A hold goes straight ahead for its length, or to the TVD or MD asked.
// - An arc turns at its dogleg rate toward its tool face, for its length or until the
//   inclination or the azimuth asked is first reached; given both an inclination and an
//   azimuth (and no tool face) it turns in the plane of the two directions.
// - A curve to a target turns in the plane of the current direction and the point, at the
//   rate, until the hole points at the point, and holds to it. When the arc or the hold
//   would be shorter than kMinPieceLength, the section is one arc that ends on the point,
//   at the slightly lower rate that makes it do so.
// - A landing turns, holds and turns again at the rate, so that it reaches the point in
//   the direction asked (the arc-hold-arc solution found by iteration on the direction of
//   the hold, and checked afterwards).
// No arc turns by 180 degrees or more. Between stations an arc turns by at most 45 degrees:
// where the step would leave longer intervals, the arc has more stations.
#pragma once

#include "core/trajectory.h"
#include "plan/path.h"
#include "plan/plan.h"
#include "plan/refusal.h"
#include "plan/targets.h"

#include <optional>
#include <vector>

namespace plan {

inline constexpr double kDefaultStep = 30.0;
inline constexpr double kMinStep = 0.1;

struct PlanStation
{
    double md = 0, inclination = 0, azimuth = 0;
    double tvd = 0, north = 0, east = 0;
    // The interval that ends here: its dogleg rate (degrees per 30 m) and the tool face
    // set where it begins (none on a hold and at the start).
    double doglegPer30 = 0;
    std::optional<double> toolFace;
    int section = 0; // the section the station belongs to, from 1; 0 for the start
    bool sectionEnd = false; // the last station of its section (or the start)

    bool operator==(const PlanStation &) const = default;
};

struct ComputedPlan
{
    std::vector<PlanStation> stations; // the start first, in order of depth
    std::vector<Piece> path;
    std::vector<TargetResult> targets; // one per target of the plan, in its order

    // The stations where each section ends, in the order of the sections.
    std::vector<PlanStation> sectionEnds() const;
};

// The stations as a computed trajectory (depth, direction, position and dogleg rate; the
// rest of each record unset), for what draws or scans a path of stations.
traj::Trajectory stationPath(const ComputedPlan &plan);

struct PlanResult
{
    std::optional<ComputedPlan> plan;
    std::optional<Refusal> refusal; // set exactly when there is no plan

    bool ok() const { return plan.has_value(); }
};

// The plan at stations every `step` metres of measured depth (at the multiples of the
// step) and at each section's end. A station of the step closer than kMinPieceLength to a
// section's end or to a point where an arc meets a hold is left out.
PlanResult compute(const Plan &plan, double step = kDefaultStep);

// The values of section `number` (from 1) on their own: what its kind needs is there,
// what it does not use is empty, every value finite and within its range. The plan
// file's reader and the desktop's table check a row with it before the plan is computed.
std::optional<Refusal> checkSection(const Section &section, int number);

// The values of target `number` (from 1).
std::optional<Refusal> checkTarget(const Target &target, int number);

} // namespace plan
