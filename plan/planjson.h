// The plan's part of the settings' JSON form, beside the well's other members:
//   "plan": {"start": {"md", "tvd", "north", "east", "inclination", "azimuth"} (only when
//            not the slot), "step": metres between stations (only when not 30),
//            "sections": [{"kind": "hold"|"arc"|"target"|"landing", and the values the
//            section carries: "length", "dls", "toolFace", "north", "east", "tvd", "md",
//            "inclination", "azimuth"}],
//            "targets": [{"name", "kind": "point"|"box"|"landing", "north", "east", "tvd",
//            "radius", "northFrom", "northTo", "eastFrom", "eastTo", "tvdFrom", "tvdTo",
//            "inclination", "azimuth", "angleTolerance" as the kind uses them}]}
// The values are read as finite numbers; whether the sections can be drilled is the
// computation's question (plan/compute.h), which names the section. No Qt.
#pragma once

#include "plan/plan.h"
#include "well/settingsreader.h"

#include <optional>

namespace settingsjson {

// The plan under `member` into `plan` (unset when the member is missing), with the step of
// its stations and the sensor-to-bit distance its comparison with the hole assumes; false
// with in.fault set.
bool readPlan(Reader &in, const char *member, std::optional<plan::Plan> &plan,
    std::optional<double> &step, std::optional<double> &bitDistance);
// Nothing for an unset plan.
void writePlan(Json &j, const char *member, const std::optional<plan::Plan> &plan,
    const std::optional<double> &step, const std::optional<double> &bitDistance);

} // namespace settingsjson
