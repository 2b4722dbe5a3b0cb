// What it takes to reach a point from a station of the hole: the one arc from the
// station's direction that ends on the point, its dogleg rate, tool face and length. The
// comparison of the drilled hole with its plan asks this at the last survey station for
// the plan's target. No Qt.
#pragma once

#include "plan/plan.h"

#include <optional>

namespace plan {

struct SteeringArc
{
    double doglegPer30 = 0; // 0: the point lies straight ahead
    double toolFace = 0; // degrees from the high side (as in plan/plan.h); 0 straight ahead
    double length = 0; // along the arc to the point
};

// The arc from `from` (its position and direction) through the point; none when the point
// lies where the station is or behind it (the arc would turn half round or more). The rate
// may exceed what a section may ask for (kMaxDoglegPer30): it is what the point demands.
std::optional<SteeringArc> arcToPoint(const Start &from, double north, double east, double tvd);

} // namespace plan
