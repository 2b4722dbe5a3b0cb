// An operator's rules for the clearance of a well: named levels of the separation factor
// (below 1.0 stop, below 1.5 caution, …) with their colours and actions, the least
// centre-to-centre distance near the surface, and lease or licence lines (polygons in the
// field's coordinate system) that the hole must keep a distance from and must not cross.
// Each breach is a finding that names the rule it breaks. No Qt.
#pragma once

#include "clearance/scan.h"
#include "core/trajectory.h"
#include "geo/placement.h"
#include "well/settingsbase.h"

#include <optional>
#include <string>
#include <vector>

namespace clr {

enum class LevelAction {
    Stop, // drilling stops: the batch tool ends with the status of a collision risk
    Caution,
    Inform,
};

struct Level
{
    std::string name;
    double below = 1.0; // the level applies to a factor below this
    std::string colour; // "#rrggbb"
    LevelAction action = LevelAction::Inform;
};

// Near the surface, where the wells of a pad stand closest, a distance instead of a factor.
struct ShallowRule
{
    double toTvd = 0; // metres below the reference's depth reference
    double minDistance = 0; // centre to centre, metres
};

// A lease or licence area: the hole stays inside it, at least `minDistance` from its line.
struct Lease
{
    std::string name;
    double minDistance = 0; // metres
    std::vector<std::pair<double, double>> polygon; // easting, northing of the field's CRS
};

struct RuleSet
{
    std::string name;
    std::vector<Level> levels; // in any order; a factor is graded by the strictest that holds
    std::optional<ShallowRule> shallow;
    std::vector<Lease> leases;
};

// Reads a rule set from JSON:
//   { "name": "…", "levels": [ { "name": "Stopp", "below": 1.0, "colour": "#d00000",
//       "action": "stop" | "caution" | "inform" }, … ],
//     "shallow": { "toTvd": 500, "minDistance": 10 },
//     "leases": [ { "name": "…", "minDistance": 50, "polygon": [ [e, n], … ] }, … ] }
// False with the fault (chosen language) naming the member.
bool readRuleSet(std::string_view json, RuleSet &out, std::string &fault);

enum class RuleBreach {
    Level, // an offset's lowest factor lies below a level: values factor, MD, the level's bound
    Shallow, // an offset nearer than the shallow distance: values distance, MD, the rule's distance
    LeaseCrossed, // the hole leaves the lease: values MD where it crosses
    LeaseNear, // the hole comes nearer to the lease line than allowed: values distance, MD, rule's
    LeaseUnplaced, // the well has no wellhead or grid to place it against the lease lines
};

struct RuleFinding
{
    RuleBreach breach = RuleBreach::Level;
    std::string rule; // the level's or lease's name, or the rule set's for the shallow rule
    std::string well; // the offset concerned; empty for the hole itself
    LevelAction action = LevelAction::Inform;
    std::vector<double> values;
};

// The findings of `rules` for the scan `scan` of the hole `path`: the levels and the
// shallow rule per offset (those out of reach left aside), then the leases in their order.
// `placed` puts the course's points into the field's CRS (geo::bestPlacement).
std::vector<RuleFinding> checkRules(const RuleSet &rules, const traj::Trajectory &path,
    const Scan &scan, const geo::Placement &placed);

// Whether any finding asks to stop.
bool anyStop(const std::vector<RuleFinding> &findings);

// The finding's text in the chosen language, naming the rule.
std::string text(const RuleFinding &finding);

} // namespace clr
