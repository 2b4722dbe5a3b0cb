// One well and what is computed from it.
#include "analysis/analysis.h"

#include "geo/errormodelinputs.h"

namespace analysis {

namespace {

ModelInputs inputsOf(const WellSettings &settings)
{
    ModelInputs m;
    m.inputs = geo::errorModelInputs(settings, &m.missing);
    return m;
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
    , m_inputs(inputsOf(m_well.settings))
{
}

void Analysis::setWell(well::Well well)
{
    m_well = std::move(well);
    m_inputs = inputsOf(m_well.settings);
    if (!m_clearance.offsets.empty())
        ++m_revisions.clearance;
    m_clearance = {};
    m_offsetCovariances.clear();
}

void Analysis::reset(well::Well well)
{
    setWell(std::move(well));
    m_computation = {};
    ++m_revisions.course;
    makeCovariances();
    makeClearance(m_scope.offsetCovariances);
}

void Analysis::setSettings(const WellSettings &settings)
{
    const bool rescan = !(scanned(settings) == scanned(m_well.settings));
    m_well.settings = settings;
    m_inputs = inputsOf(m_well.settings);
    if (m_scope.covariances)
        makeCovariances();
    if (rescan && m_scope.clearance)
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
    well::computeCourse(m_well, m_computation);
    ++m_revisions.course;
    return m_computation;
}

const well::Computation &Analysis::computeTable(const well::TableSink &sink)
{
    well::computeTable(m_well, m_computation, sink);
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
    const bool had = !m_clearance.offsets.empty();
    m_clearance = {};
    m_offsetCovariances.clear();
    if (!m_well.settings.offsets.empty() && !m_computation.path.empty()) {
        m_clearance = clr::scanWell(m_well, m_computation.path, scanDepths());
        // The covariance does not depend on where the slot is: it is made on the well's
        // own path.
        for (const clr::Well &w : m_clearance.offsets)
            m_offsetCovariances.push_back(offsetCovariances && w.errorModel && !w.path.empty()
                    ? unc::stationCovariances(w.path, *w.errorModel)
                    : std::vector<unc::Sym3> {});
    }
    if (had || !m_clearance.offsets.empty())
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

} // namespace analysis
