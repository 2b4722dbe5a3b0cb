// The clearance scan of a typed well against the neighbouring wells its settings hold:
// the clr::Well of the well itself and of each offset, made the way the well's own path
// is made (the check of the stations and the numeric trajectory of well::computeCourse),
// each offset at its slot and depth shift, with its own error model or the well's, a
// sidetrack on its parent's path; then clr::scan and the findings at the warning factor
// of the settings. What keeps an offset out of the scan is said as a setup finding. The
// desktop program and the batch tool both call this; neither builds wells of its own.
// No Qt.
#pragma once

#include "clearance/findings.h"
#include "clearance/scan.h"
#include "well/well.h"

#include <string>
#include <vector>

namespace clr {

enum class SetupMessage {
    // The offset gives the elevation of its depth reference, the well none: its depths
    // cannot be compared. No values.
    NoElevation,
    // The offset's wellhead gives no slot; `detail` says why.
    NoSlot,
    // The offset's parent is neither the well nor an offset; `detail` is its name.
    NoParent,
    // The well's error model lacks an input: distances only. `detail` names the input.
    WellModelInputMissing,
    // The offset's own error model lacks an input: distances only against it. `detail`
    // names the input.
    OffsetModelInputMissing,
    // The well's survey program cannot be computed: distances only. `detail` says why.
    WellProgramRefused,
    // The offset's own survey program cannot be computed: distances only against it.
    // `detail` says why.
    OffsetProgramRefused,
    // The offset's stations give a path only down to values[0] (m MD), values[1] the
    // depth of its last station: the check or the computation stopped there.
    PathEndsShort,
};

struct SetupFinding
{
    SetupMessage id;
    std::string well; // the offset's name (UTF-8); empty for the well itself
    std::vector<double> values;
    std::string detail; // UTF-8

    bool operator==(const SetupFinding &) const = default;
};

// The text of a setup finding in the chosen language (German unless another is
// installed), UTF-8.
std::string text(const SetupFinding &finding);

struct WellScan
{
    Well reference;
    std::vector<Well> offsets; // those taking part, in the settings' order
    Rule rule;
    double warningFactor = 1.5;
    std::vector<SetupFinding> setup;
    Scan scan;
    std::vector<Finding> findings; // clr::findings at warningFactor

    // The lowest separation factor of all offsets; none without factors.
    std::optional<double> lowestFactor() const;
};

// The scan of `well` along `path` (its computed path of the stations as entered) against
// the offsets of its settings, at the path's stations and at `moreMds` (metres), within
// the radius and on the threads of `options`. The well's own name is its UTF-8 form.
WellScan scanWell(const well::Well &well, const traj::Trajectory &path,
    const std::vector<double> &moreMds = {}, const ScanOptions &options = {});
// The same against `offsets` in place of the settings' (the settings' together with a
// field's wellbores).
WellScan scanWell(const well::Well &well, const traj::Trajectory &path,
    const std::vector<OffsetWell> &offsets, const std::vector<double> &moreMds,
    const ScanOptions &options);

// One notice of what the scan found, UTF-8 lines without a final line break: a heading
// and one line per offset whose factor falls below the warning factor; empty when none
// does.
std::string warningNotice(const WellScan &scan);

} // namespace clr
