// What a computation and its clearance scan have to tell the user, as one list for the
// desktop program's panel of messages: each remark with its severity, the depth it
// concerns where it has one, and its words in the chosen language. The clearance comes
// first and the closest neighbour first, so that a collision risk heads the list however
// the offsets were entered; the computation's own remarks follow in the order it made
// them. Nothing here shows anything. No Qt.
#pragma once

#include "analysis/analysis.h"
#include "clearance/wellscan.h"
#include "core/decimalsign.h"
#include "surveycheck/surveycheck.h"
#include "well/diagnostic.h"

#include <optional>
#include <string>
#include <vector>

namespace analysis {

enum class Severity {
    CollisionRisk, // a separation factor below 1: the two wells' uncertainties overlap
    Warning, // below the warning factor, an offset left out of the scan, a refused line
    Information, // everything else worth knowing
};

enum class RemarkSource {
    Clearance, // the scan against the neighbouring wells
    Computation, // the check of the stations and the run of the computation
    SurveyCheck, // the field readings against the reference field
    SurveyProgram, // the tools of the survey program
    Plan, // the plan, and the hole against it
};

struct Remark
{
    Severity severity = Severity::Information;
    RemarkSource source = RemarkSource::Computation;
    // The reference well's measured depth the remark concerns, in the units of the
    // results table (the clearance's metres for a clearance remark); none where the
    // remark has no depth.
    std::optional<double> depth;
    // Where an interval the remark concerns ends (a straight interval); none otherwise.
    std::optional<double> untilDepth;
    // The lowest separation factor of a neighbour; none for other remarks.
    std::optional<double> factor;
    std::string well; // the neighbour concerned (UTF-8); empty for the well itself
    std::string text; // UTF-8, in the chosen language
};

// The remarks of one computation: the clearance scan's (null or without offsets: none)
// sorted worst first, then the diagnostics of the run in their order. A neighbour with a
// factor gets one remark with its lowest factor and the depth of it, graded against
// 1.0 and the scan's warning factor; the computation's remarks keep their legacy words
// (well::text). The survey check (null: none) follows: a warning for each station whose
// readings lie outside the tolerance, at its depth, then a note for each quantity that had
// no reference to be checked against.
// The survey program's remarks (null: none) come last: why it cannot be computed, or a
// warning for each station outside the inclination range of its tool, at its depth.
std::vector<Remark> remarks(const well::Diagnostics &diagnostics, const clr::WellScan *scan,
    const surveycheck::Result *check = nullptr, const ModelInputs *program = nullptr);

// The survey program's remarks as texts (UTF-8, chosen language), in the same order, the
// numbers with `sign` (the batch tool's messages write a point).
std::vector<std::string> programTexts(
    const ModelInputs &inputs, decimalsign::Sign sign = decimalsign::interfaceSign());

// The plan's remarks (analysis.plan(), analysis.againstPlan()): why the plan cannot be
// computed, a warning; or against the computed hole, where its last station lies from the
// plan, the projections to the bit and to the target's depth, and the arc back onto the
// target (a warning when the hole, going on as it does, misses the target's depth, or
// when no arc or only one steeper than a plan may ask for leads back), at the last
// station's depth. None without a plan.
std::vector<Remark> planRemarks(
    const Analysis &analysis, decimalsign::Sign sign = decimalsign::interfaceSign());

// The remarks of the field's rules that the scan and the hole break (clr::checkRules), in
// their order: a rule that asks to stop a collision risk (a lease line crossed included),
// one that asks for caution a warning, others a note, each at the depth it concerns.
std::vector<Remark> ruleRemarks(const std::vector<clr::RuleFinding> &findings);

// The depth a diagnostic concerns (the first depth of a straight interval); none for a
// remark that names a line number only.
std::optional<double> depthOf(const well::Diagnostic &diagnostic);

} // namespace analysis
