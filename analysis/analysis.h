// One well and everything computed from it, in one place for the desktop program and the
// batch tool: the check of the stations, both trajectories and the results table, the
// error model's inputs and the stations' covariances, the check of the magnetic survey's
// field readings against the reference field, the clearance scan against the
// neighbouring wells and the covariances of those wells. Each answer is made once per
// change of what it reads and carries a revision that moves on when it is made anew
// with a different result, so that a picture knows when to scale afresh.
//
// A change of the well computes nothing by itself: the course is computed when a caller
// asks for it (compute(), or its steps for a caller that writes while it computes), and
// until then the answers of the last computation stay, as the results table stays on
// screen until the next computation. What reads the settings (the covariances and the
// scan) follows a change of the settings at once, along the last computed path.
//
// The azimuths are turned here, once, to the one north of every output (geo/north.h):
// the course, its table and everything that reads the course give positions in that
// north, and the table names it in a line below its heading where a turn or a grid
// applies.
//
// Nothing here asks or shows anything; the diagnostics and findings are values. No Qt.
#pragma once

#include "clearance/rules.h"
#include "clearance/wellscan.h"
#include "document/docfile.h"
#include "geo/north.h"
#include "listing/listing.h"
#include "plan/against.h"
#include "plan/compute.h"
#include "surveycheck/surveycheck.h"
#include "uncertainty/uncertainty.h"
#include "well/computation.h"
#include "well/well.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace analysis {

// The error model's inputs as the settings give them, completed from the wellhead's
// place; none without a model or while an input is missing (`missing` says which).
struct ModelInputs
{
    std::optional<unc::Inputs> inputs;
    unc::MissingInput missing = unc::MissingInput::None;
    // With `missing` Program: why the survey program cannot be computed (chosen
    // language, UTF-8): a tool, or a station that no run holds.
    std::string refusal;
    // The stations of the computed path read by a tool outside its inclination range,
    // in the order of their depths.
    struct OutOfRange
    {
        double md = 0, inclination = 0; // metres, degrees
        std::string tool;
        double min = 0, max = 180; // the tool's range, degrees
    };
    std::vector<OutOfRange> outOfRange;
};

// What compute() makes besides the course and its results table.
struct Scope
{
    bool covariances = true; // the stations' covariances by the error model
    bool clearance = true; // the scan against the neighbouring wells
    bool offsetCovariances = true; // with the scan, the covariances of each offset
};

// Each answer's revision: it moves on when the answer is made anew and differs from the
// one before (the course: whenever it is computed; the scan: whenever there were or are
// neighbours).
struct Revisions
{
    std::uint64_t course = 0;
    std::uint64_t covariances = 0;
    std::uint64_t clearance = 0;
    std::uint64_t plan = 0; // the computed plan, whenever it is made anew

    bool operator==(const Revisions &) const = default;
};

class Analysis
{
public:
    Analysis();
    explicit Analysis(well::Well well);

    const well::Well &well() const { return m_well; }

    // ---- changes ----
    // Takes another well (a document opened, the measurement dialog's result). Nothing is
    // computed; the scan of the well before is dropped, since its neighbours are none of
    // this one's.
    void setWell(well::Well well);
    // Starts over with `well` (by default a new one with the defaults): unlike setWell
    // nothing of the previous well's results stays; the course, the covariances and the
    // scan are empty until the next computation.
    void reset(well::Well well = {});
    // The stations to change in place, for an edit of a few of them in a survey of any
    // size (a copy of the whole well per keystroke would not do). Nothing is computed; the
    // neighbours stay, and their scan is made again with the next computation.
    well::Survey &editSurvey() { return m_well.survey; }
    // Takes new settings; the covariances are made again along the last computed path,
    // the scan when anything it reads changed (the section azimuth and the unit of the
    // listings are all it does not read). Settings that put the course in another north
    // (geo/north.h) compute it again at once, with everything compute() makes, once a
    // course was computed.
    void setSettings(const WellSettings &settings);
    // Besides the stations the scan compares the wells at the points of these --every-md
    // steps on the computed path (in `unit`); none by default.
    void setScanSteps(std::vector<listing::Request> steps, listing::Unit unit);
    // How far the scan reaches and on how many threads (clearance/scan.h); every offset
    // on one thread by default.
    void setScanOptions(const clr::ScanOptions &options) { m_scanOptions = options; }
    // The wellbores of the settings' field link as the field holds them now, scanned
    // besides the settings' offsets while the settings keep the link (within its radius,
    // on every core), and the field's rules, which the scan's findings are checked
    // against. They stay with another well of the same document (setWell) and go with
    // reset(). The scan is made again at once when one was made before.
    void setFieldNeighbours(std::vector<OffsetWell> offsets, std::optional<clr::RuleSet> rules);
    // What compute() makes besides the course; everything by default.
    void setScope(const Scope &scope) { m_scope = scope; }

    // ---- computing ----
    // The course with its results table, then what the scope asks for.
    void compute();
    // The same in steps, for a caller that writes other outputs while the table is made:
    // the check and both trajectories; then the results table with the run's messages,
    // handed line by line to `sink` (not kept) or kept without one. The second step reads
    // the trajectories and does not change them.
    const well::Computation &computeCourse();
    const well::Computation &computeTable(const well::TableSink &sink = {});
    // The covariances of the stations, and the scan with the offsets' covariances when
    // `offsetCovariances` asks for them, along the last computed path.
    const std::vector<unc::Sym3> &computeCovariances();
    const clr::WellScan &computeClearance(bool offsetCovariances = true);

    // ---- answers ----
    // The last computation (empty before the first).
    const well::Computation &computation() const { return m_computation; }
    // The north of the last computed course (of the settings before the first).
    const geo::CourseNorth &courseNorth() const { return m_north; }
    const ModelInputs &modelInputs() const { return m_inputs; }
    // One covariance per station of computation().path (north, east, vertical; m² at
    // 1σ); empty without a model, while an input is missing, or before they were made.
    const std::vector<unc::Sym3> &covariances() const { return m_covariances; }
    // The scan along computation().path; empty without neighbours or a computed path.
    const clr::WellScan &clearance() const { return m_clearance; }
    // The field's rules broken by the last scan and by the hole itself (the lease lines);
    // empty without the field's rules.
    const std::vector<clr::RuleFinding> &ruleFindings() const { return m_ruleFindings; }
    // The field's wellbores that the scan takes besides the settings' offsets.
    const std::vector<OffsetWell> &fieldNeighbours() const { return m_fieldOffsets; }
    // Per offset taking part in the scan, the covariances of its path (empty without its
    // error model).
    const std::vector<std::vector<unc::Sym3>> &offsetCovariances() const
    {
        return m_offsetCovariances;
    }
    // The stations' field readings against the reference field: made with the course,
    // and again when the settings change (they give the reference).
    const surveycheck::Result &surveyCheck() const { return m_surveyCheck; }
    // The plan of the settings computed into its path, stations and targets (made when
    // the plan or its step changes, with the well or its settings); neither a plan nor a
    // refusal while the settings hold none.
    const plan::PlanResult &plan() const { return m_plan; }
    // The computed course against the computed plan (plan/against.h), at the settings'
    // distance to the bit; none without both.
    const std::optional<plan::AgainstPlan> &againstPlan() const { return m_against; }
    const Revisions &revisions() const { return m_revisions; }

private:
    void makePlan();
    void makeAgainstPlan();
    void makeSurveyCheck();
    void makeCovariances();
    void makeClearance(bool offsetCovariances);
    std::vector<double> scanDepths() const;

    well::Well m_well;
    geo::CourseNorth m_north;
    bool m_computed = false; // a course was computed since the last reset
    Scope m_scope;
    clr::ScanOptions m_scanOptions;
    std::vector<listing::Request> m_scanSteps;
    listing::Unit m_scanUnit = listing::Unit::Metre;
    well::Computation m_computation;
    ModelInputs m_inputs;
    std::vector<unc::Sym3> m_covariances;
    clr::WellScan m_clearance;
    std::vector<OffsetWell> m_fieldOffsets;
    std::optional<clr::RuleSet> m_fieldRules;
    std::vector<clr::RuleFinding> m_ruleFindings;
    surveycheck::Result m_surveyCheck;
    std::vector<std::vector<unc::Sym3>> m_offsetCovariances;
    plan::PlanResult m_plan;
    std::optional<plan::AgainstPlan> m_against;
    Revisions m_revisions;
};

// The results table's line that names the north of `north`, below the heading; German
// with the table's decimal point, as the table is written in every language.
std::string tableNorthLine(const geo::CourseNorth &north);

// The document file's items of `well` as they are saved: its settings with the record of
// the geomagnetic model made anew from the survey date and the place (geo/magneticfield.h),
// so that the file names the model and values for the date and place it holds.
DocumentItems savedItems(const well::Well &well);

} // namespace analysis
