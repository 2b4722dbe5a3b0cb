// One well and what is computed from it.
#include "analysis/analysis.h"

#include "core/decimalsign.h"
#include "geo/errormodelinputs.h"
#include "geo/magneticfield.h"
#include "geo/projection.h"
#include "i18n/i18n.h"
#include "well/tabletext.h"

#include <algorithm>
#include <thread>
#include <cstdio>
#include <tuple>

namespace analysis {

namespace {

// The inputs of `settings` for the stations of `path` (none yet: not checked against
// them): a survey program must hold every station below the first.
ModelInputs inputsOf(const WellSettings &settings, const traj::Trajectory &path)
{
    ModelInputs m;
    m.inputs = geo::errorModelInputs(settings, &m.missing, &m.refusal);
    if (!m.inputs)
        return m;
    if (const auto k = unc::stationOutsideLegs(path, *m.inputs)) {
        m.refusal = i18n::arg(i18n::translate("Vermessungsprogramm",
                                  "Der Messpunkt bei MD %1 m liegt in keinem Abschnitt des "
                                  "Vermessungsprogramms."),
            { decimalsign::shown(path.stations[*k].md, 2) });
        m.missing = unc::MissingInput::Program;
        m.inputs.reset();
        return m;
    }
    for (std::size_t k = 1; k < path.stations.size(); ++k) {
        const traj::Station &s = path.stations[k];
        const auto leg = unc::legAt(*m.inputs, s.md);
        if (!leg)
            continue;
        const unc::Leg &l = m.inputs->legs[*leg];
        if (s.inclination < l.inclinationMin || s.inclination > l.inclinationMax)
            m.outOfRange.push_back(
                { s.md, s.inclination, l.tool, l.inclinationMin, l.inclinationMax });
    }
    return m;
}

// What the north of the course lacks, as the first messages of the run: the angle, and
// where the geomagnetic model would give the declination, why it did not.
well::Diagnostics northDiagnostics(const geo::CourseNorth &north)
{
    if (north.missing == geo::MissingAngle::Convergence)
        return { { well::Message::NorthConvergenceMissing, {}, {} } };
    well::Diagnostics out { { well::Message::NorthDeclinationMissing, {}, {} } };
    if (north.model == geo::ModelState::NoDate)
        out.push_back({ well::Message::NorthSurveyDateMissing, {}, {} });
    else if (north.model == geo::ModelState::Refused)
        out.push_back({ well::Message::NorthFieldModelMissing, {}, north.modelRefusal });
    return out;
}

// The settings as the scan reads them: all but the section's azimuth and the unit of the
// listings.
WellSettings scanned(WellSettings s)
{
    s.sectionAzimuth.reset();
    s.unit = LengthUnit::Metre;
    return s;
}

} // namespace

Analysis::Analysis()
    : Analysis(well::Well {})
{
}

Analysis::Analysis(well::Well well)
    : m_well(std::move(well))
    , m_north(geo::courseNorth(m_well.settings))
    , m_inputs(inputsOf(m_well.settings, {}))
{
    makePlan();
}

void Analysis::setWell(well::Well well)
{
    m_well = std::move(well);
    m_inputs = inputsOf(m_well.settings, m_computation.path);
    if (!m_clearance.offsets.empty())
        ++m_revisions.clearance;
    m_clearance = {};
    m_offsetCovariances.clear();
    makePlan();
}

void Analysis::reset(well::Well well)
{
    m_fieldOffsets.clear();
    m_fieldRules.reset();
    setWell(std::move(well));
    m_north = geo::courseNorth(m_well.settings);
    m_computed = false;
    m_computation = {};
    m_surveyCheck = {};
    m_against.reset();
    ++m_revisions.course;
    makeCovariances();
    makeClearance(m_scope.offsetCovariances);
}

void Analysis::setSettings(const WellSettings &settings)
{
    const bool rescan = !(scanned(settings) == scanned(m_well.settings));
    // The course is in the north the settings give it: another north is another course,
    // made at once as the covariances are, so that no output shows the old one under the
    // new settings.
    const bool turned = m_computed && !(geo::courseNorth(settings) == m_north);
    const bool replan = settings.plan != m_well.settings.plan
        || settings.planStep != m_well.settings.planStep;
    const bool rebit = settings.bitDistance != m_well.settings.bitDistance;
    m_well.settings = settings;
    if (replan)
        makePlan();
    else if (rebit)
        makeAgainstPlan();
    m_inputs = inputsOf(m_well.settings, m_computation.path);
    if (turned) {
        compute();
        return;
    }
    if (m_computed)
        makeSurveyCheck();
    if (m_scope.covariances)
        makeCovariances();
    if (rescan && m_scope.clearance)
        makeClearance(m_scope.offsetCovariances);
}

void Analysis::setFieldNeighbours(
    std::vector<OffsetWell> offsets, std::optional<clr::RuleSet> rules)
{
    m_fieldOffsets = std::move(offsets);
    m_fieldRules = std::move(rules);
    if (m_computed && m_scope.clearance)
        makeClearance(m_scope.offsetCovariances);
}

void Analysis::setScanSteps(std::vector<listing::Request> steps, listing::Unit unit)
{
    m_scanSteps = std::move(steps);
    m_scanUnit = unit;
}

void Analysis::compute()
{
    computeCourse();
    computeTable();
    if (m_scope.covariances)
        makeCovariances();
    if (m_scope.clearance)
        makeClearance(m_scope.offsetCovariances);
}

const well::Computation &Analysis::computeCourse()
{
    m_north = geo::courseNorth(m_well.settings);
    well::computeCourse(m_well, m_computation, m_north.turn);
    m_computed = true;
    m_inputs = inputsOf(m_well.settings, m_computation.path);
    makeSurveyCheck();
    makeAgainstPlan();
    // Said first: it concerns every position of the run.
    if (m_north.missing != geo::MissingAngle::None) {
        const well::Diagnostics said = northDiagnostics(m_north);
        m_computation.diagnostics.insert(
            m_computation.diagnostics.begin(), said.begin(), said.end());
    }
    ++m_revisions.course;
    return m_computation;
}

const well::Computation &Analysis::computeTable(const well::TableSink &sink)
{
    // The table has its heading (the name and five lines) only with an interval.
    constexpr std::size_t kHeadingLines = 1 + std::tuple_size_v<decltype(well::tableHeading())>;
    // The table kept from the last computation goes back to what the computation wrote,
    // so that the lines it keeps are its own: the north is named anew below.
    StringList &table = m_computation.table;
    if (table.size() > kHeadingLines && table[kHeadingLines].starts_with(well::kNorthLinePrefix))
        table.erase(table.begin() + kHeadingLines);
    if (!m_north.named() || m_computation.checked.stations.size() < 2) {
        well::computeTable(m_well, m_computation, sink);
        return m_computation;
    }
    const std::string line = tableNorthLine(m_north);
    if (sink) {
        std::size_t written = 0;
        well::computeTable(m_well, m_computation, [&](const std::string &l) {
            sink(l);
            if (++written == kHeadingLines)
                sink(line);
        });
    } else {
        well::computeTable(m_well, m_computation, {});
        if (table.size() >= kHeadingLines)
            table.insert(table.begin() + kHeadingLines, line);
    }
    return m_computation;
}

const std::vector<unc::Sym3> &Analysis::computeCovariances()
{
    makeCovariances();
    return m_covariances;
}

const clr::WellScan &Analysis::computeClearance(bool offsetCovariances)
{
    makeClearance(offsetCovariances);
    return m_clearance;
}

void Analysis::makePlan()
{
    const WellSettings &s = m_well.settings;
    m_plan = s.plan ? plan::compute(*s.plan, s.planStep.value_or(plan::kDefaultStep))
                    : plan::PlanResult {};
    ++m_revisions.plan;
    makeAgainstPlan();
}

void Analysis::makeAgainstPlan()
{
    m_against.reset();
    if (!m_computed || !m_plan.plan || !m_well.settings.plan)
        return;
    m_against = plan::against(*m_plan.plan, *m_well.settings.plan, m_computation.path,
        m_well.settings.bitDistance.value_or(plan::kDefaultBitDistance));
}

void Analysis::makeSurveyCheck()
{
    const WellSettings &settings = m_well.settings;
    surveycheck::Values reference = surveycheck::wellReference(settings);
    // A total field or dip the user did not type is the geomagnetic model's for the place
    // and the survey date, as the error model takes it.
    constexpr auto kTotal = static_cast<std::size_t>(well::FieldQuantity::TotalField);
    constexpr auto kDip = static_cast<std::size_t>(well::FieldQuantity::Dip);
    if (!settings.fieldReadings.empty() && (!reference[kTotal] || !reference[kDip])) {
        if (const geo::ModelField model = geo::modelField(settings); model.field) {
            if (!reference[kTotal])
                reference[kTotal] = model.field->totalNt;
            if (!reference[kDip])
                reference[kDip] = model.field->inclinationDeg;
        }
    }
    m_surveyCheck = surveycheck::check(settings.fieldReadings, m_well.survey, reference);
}

void Analysis::makeCovariances()
{
    // Once per computation or change of the settings: a long survey's covariances are
    // far too costly to be made while painting.
    std::vector<unc::Sym3> covariances;
    if (m_inputs.inputs && !m_computation.path.empty())
        covariances = unc::stationCovariances(m_computation.path, *m_inputs.inputs);
    if (covariances != m_covariances) {
        m_covariances = std::move(covariances);
        ++m_revisions.covariances;
    }
}

void Analysis::makeClearance(bool offsetCovariances)
{
    const bool had = !m_clearance.offsets.empty() || !m_ruleFindings.empty();
    m_clearance = {};
    m_offsetCovariances.clear();
    m_ruleFindings.clear();
    const std::optional<FieldLink> &link = m_well.settings.field;
    const bool linked = link && !m_fieldOffsets.empty();
    if ((!m_well.settings.offsets.empty() || linked) && !m_computation.path.empty()) {
        if (linked) {
            // The document's own offsets first, then the field's wellbores; copied together
            // only when the document has offsets of its own.
            std::vector<OffsetWell> all;
            if (!m_well.settings.offsets.empty()) {
                all = m_well.settings.offsets;
                all.insert(all.end(), m_fieldOffsets.begin(), m_fieldOffsets.end());
            }
            clr::ScanOptions options = m_scanOptions;
            if (link->radius)
                options.radius = *link->radius;
            options.threads = std::max({ options.threads, std::thread::hardware_concurrency(), 1u });
            m_clearance = clr::scanWell(m_well, m_computation.path,
                all.empty() ? m_fieldOffsets : all, scanDepths(), options);
        } else {
            m_clearance = clr::scanWell(m_well, m_computation.path, scanDepths(), m_scanOptions);
        }
        // The covariance does not depend on where the slot is: it is made on the well's
        // own path.
        for (const clr::Well &w : m_clearance.offsets)
            m_offsetCovariances.push_back(offsetCovariances && w.errorModel && !w.path.empty()
                    ? unc::stationCovariances(w.path, *w.errorModel)
                    : std::vector<unc::Sym3> {});
    }
    if (link && m_fieldRules && !m_computation.path.empty())
        m_ruleFindings = clr::checkRules(*m_fieldRules, m_computation.path, m_clearance.scan,
            geo::bestPlacement(m_well.settings));
    if (had || !m_clearance.offsets.empty() || !m_ruleFindings.empty())
        ++m_revisions.clearance;
}

std::vector<double> Analysis::scanDepths() const
{
    std::vector<double> mds;
    if (m_scanSteps.empty() || m_computation.path.empty())
        return mds;
    for (const listing::Row &row :
        listing::buildListing(m_computation.path, m_scanSteps, m_scanUnit).rows)
        mds.push_back(row.point.md);
    return mds;
}

std::string tableNorthLine(const geo::CourseNorth &north)
{
    return well::kNorthLinePrefix + geo::northCaption(north, decimalsign::Sign::Point);
}

DocumentItems savedItems(const well::Well &well)
{
    DocumentItems items = itemsOf(well);
    items.m_Settings = geo::withModelRecord(std::move(items.m_Settings));
    return items;
}

} // namespace analysis
