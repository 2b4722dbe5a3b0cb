// An offset well of the command line (--offset FILE and the options after it) made from the
// well read from its file: placed at its slot, its wellhead or as a sidetrack, with its
// hole and tool. The batch tool and the Python module place their offsets through this.
#pragma once

#include "cli/options.h"
#include "clearance/settings.h"
#include "well/well.h"

#include <optional>
#include <string>

// `source` is the well read for `off`, `stored` the settings its document kept (if any);
// `label` names it in messages ("--offset LABEL: …"), `defaultName` is its name where
// neither --offset-name nor the file gives one. `wellName` is the reference's, the parent
// of a sidetrack without --offset-parent. False with the message when the offset cannot be
// placed (no wellhead, a tool the library does not know, a well that is no offset).
bool placeOffset(const OffsetOption &off, const well::Well &source,
    const std::optional<WellSettings> &stored, const std::string &label,
    const std::string &defaultName, const std::string &wellName, const WellSettings &settings,
    OffsetWell &out, std::string &message);
