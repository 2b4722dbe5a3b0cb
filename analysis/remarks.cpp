// The remarks of a computation and its clearance scan, in the order the panel lists them.
#include "analysis/remarks.h"

#include "core/decimalsign.h"
#include "i18n/i18n.h"
#include "plan/refusal.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace analysis {

namespace {

std::string number(double value)
{
    // An infinite factor (no uncertainty in the rule's denominator) has no digits.
    if (!std::isfinite(value))
        return value > 0 ? "∞" : "-∞";
    return decimalsign::shown(value, 2);
}

Severity grade(double factor, double warningFactor)
{
    if (factor < 1.0)
        return Severity::CollisionRisk;
    if (factor < warningFactor)
        return Severity::Warning;
    return Severity::Information;
}

// The finding the scan made for `well`, if any.
const clr::Finding *findingOf(const clr::WellScan &scan, const std::string &well)
{
    for (const clr::Finding &f : scan.findings)
        if (f.well == well)
            return &f;
    return nullptr;
}

std::vector<Remark> clearanceRemarks(const clr::WellScan &scan)
{
    std::vector<Remark> out;
    for (const clr::OffsetScan &offset : scan.scan.offsets) {
        const clr::Finding *finding = findingOf(scan, offset.name);
        const clr::Row *lowest = offset.lowestSeparation ? &*offset.lowestSeparation : nullptr;
        if (!lowest || !lowest->separationFactor) {
            // Distances only, or nothing to compare: the scan's own words, at the closest
            // approach where there is one.
            if (!finding)
                continue;
            Remark r;
            r.severity = Severity::Information;
            r.source = RemarkSource::Clearance;
            if (offset.closestApproach)
                r.depth = offset.closestApproach->referenceMd;
            r.well = offset.name;
            r.text = clr::text(*finding);
            out.push_back(std::move(r));
            continue;
        }
        const double factor = *lowest->separationFactor;
        Remark r;
        r.severity = grade(factor, scan.warningFactor);
        r.source = RemarkSource::Clearance;
        r.depth = lowest->referenceMd;
        r.factor = factor;
        r.well = offset.name;
        r.text = i18n::arg(i18n::translate("Meldungen",
                               "Nachbarbohrung %1: kleinster Trennfaktor %2 bei %3 m MD "
                               "(Nachbarbohrung bei %4 m MD)"),
            { offset.name, number(factor), number(lowest->referenceMd), number(lowest->offsetMd) });
        if (finding && finding->id == clr::Message::SeparationBelowLimit
            && finding->values.size() >= 6) {
            r.text += i18n::arg(
                i18n::translate("Meldungen", "; unter %1 von %2 m bis %3 m MD"),
                { number(finding->values[3]), number(finding->values[4]),
                    number(finding->values[5]) });
        }
        out.push_back(std::move(r));
    }
    for (const clr::SetupFinding &f : scan.setup) {
        Remark r;
        r.severity = Severity::Warning;
        r.source = RemarkSource::Clearance;
        r.well = f.well;
        r.text = clr::text(f);
        out.push_back(std::move(r));
    }
    // Worst first: by severity, within it the lowest factor first; remarks without a
    // factor after those with one, in the scan's order.
    std::stable_sort(out.begin(), out.end(), [](const Remark &a, const Remark &b) {
        if (a.severity != b.severity)
            return a.severity < b.severity;
        const double inf = std::numeric_limits<double>::infinity();
        return a.factor.value_or(inf) < b.factor.value_or(inf);
    });
    return out;
}

Severity severityOf(const well::Diagnostic &d)
{
    // A straight interval is the computation's routine remark; everything else is a
    // station or line refused, or the run stopped.
    return d.id == well::Message::NoCurvature ? Severity::Information : Severity::Warning;
}

} // namespace

std::optional<double> depthOf(const well::Diagnostic &d)
{
    const auto at = [&](std::size_t i) -> std::optional<double> {
        if (i < d.values.size() && std::isfinite(d.values[i]))
            return d.values[i];
        return std::nullopt;
    };
    switch (d.id) {
    case well::Message::NegativeFirstDepth:
    case well::Message::FirstDepthAtTieIn:
    case well::Message::DepthAboveTieIn:
    case well::Message::NoCurvature:
    case well::Message::DoglegTooLarge:
    case well::Message::DepthAboveSurface:
    case well::Message::NoIntervalBelowSurface:
    case well::Message::DepthBeyondComputed:
    case well::Message::InterpolationResult:
        return at(0);
    case well::Message::DepthNotIncreasing:
    case well::Message::EqualDepths:
        return at(1);
    case well::Message::LineWithoutThreeValues:
    case well::Message::InclinationOutOfRange:
    case well::Message::AzimuthOutOfRange:
    case well::Message::NoStations:
    case well::Message::DepthBeyondLast:
    case well::Message::NorthDeclinationMissing:
    case well::Message::NorthSurveyDateMissing:
    case well::Message::NorthFieldModelMissing:
    case well::Message::NorthConvergenceMissing:
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<std::string> programTexts(const ModelInputs &inputs, decimalsign::Sign sign)
{
    std::vector<std::string> out;
    if (inputs.missing == unc::MissingInput::Program)
        out.push_back(inputs.refusal);
    for (const ModelInputs::OutOfRange &r : inputs.outOfRange)
        out.push_back(i18n::arg(i18n::translate("Meldungen",
                                    "Messpunkt bei %1 m MD: Neigung %2° außerhalb des Bereichs "
                                    "des Werkzeugs %3 (%4° bis %5°)"),
            { decimalsign::fixed(r.md, 2, sign), decimalsign::fixed(r.inclination, 2, sign),
                r.tool, decimalsign::fixed(r.min, 0, sign), decimalsign::fixed(r.max, 0, sign) }));
    return out;
}

std::vector<Remark> planRemarks(const Analysis &analysis, decimalsign::Sign sign)
{
    std::vector<Remark> out;
    const auto said = [&](Severity severity, std::optional<double> depth, std::string text) {
        Remark r;
        r.severity = severity;
        r.source = RemarkSource::Plan;
        r.depth = depth;
        r.text = std::move(text);
        out.push_back(std::move(r));
    };
    const plan::PlanResult &computed = analysis.plan();
    if (computed.refusal) {
        said(Severity::Warning, std::nullopt,
            i18n::arg(i18n::translate("Meldungen", "Die Planung kann nicht berechnet werden: %1"),
                { plan::text(*computed.refusal) }));
        return out;
    }
    const std::optional<plan::AgainstPlan> &against = analysis.againstPlan();
    const std::optional<plan::Plan> &sections = analysis.well().settings.plan;
    if (!against || !sections)
        return out;
    const auto m = [&](double v, int decimals = 2) {
        return decimalsign::fixed(std::round(v * 1e6) / 1e6 + 0.0, decimals, sign);
    };
    const plan::StationAgainstPlan &last = against->stations.back();
    said(Severity::Information, last.md,
        i18n::arg(i18n::translate("Meldungen",
                      "Letzter Messpunkt bei %1 m MD: %2 m von der Planung (Hochseite %3 m, "
                      "Rechtsseite %4 m, längs %5 m, Seigerteufe %6 m), nächster Punkt der "
                      "Planung bei %7 m MD"),
            { m(last.md), m(last.distance), m(last.highSide), m(last.rightSide),
                m(last.alongHole), m(last.tvdDifference), m(last.planMd) }));
    const plan::ProjectedPoint &bit = against->bit;
    said(Severity::Information, last.md,
        i18n::arg(i18n::translate("Meldungen",
                      "Projektion zum Meißel (%1 m voraus): %2 m MD, Neigung %3°, Azimut %4°, "
                      "Seigerteufe %5 m, Nord %6 m, Ost %7 m"),
            { m(against->bitDistance), m(bit.md), m(bit.inclination), m(bit.azimuth), m(bit.tvd),
                m(bit.north), m(bit.east) }));
    if (const auto &at = against->atTargetDepth)
        said(Severity::Information, last.md,
            i18n::arg(i18n::translate("Meldungen",
                          "Projektion auf die Seigerteufe %1 m bei gleichem Kurs: %2 m MD, "
                          "Neigung %3°, Azimut %4°, Nord %5 m, Ost %6 m"),
                { m(against->targetTvd), m(at->md), m(at->inclination), m(at->azimuth),
                    m(at->north), m(at->east) }));
    else
        said(Severity::Warning, last.md,
            i18n::arg(i18n::translate("Meldungen",
                          "Bei gleichem Kurs erreicht die Bohrung die Seigerteufe %1 m nicht."),
                { m(against->targetTvd) }));
    const plan::Steering &steer = against->steering;
    std::string where;
    if (steer.target == 0) {
        where = i18n::translate("Meldungen", "Ende der Planung");
    } else {
        const std::string &name = sections->targets[static_cast<std::size_t>(steer.target - 1)].name;
        where = name.empty()
            ? i18n::arg(i18n::translate("Meldungen", "Ziel %1"), { std::to_string(steer.target) })
            : name;
    }
    const std::string point = i18n::arg(
        i18n::translate("Meldungen", "%1 (Nord %2 m, Ost %3 m, Seigerteufe %4 m)"),
        { where, m(steer.north), m(steer.east), m(steer.tvd) });
    if (!steer.arc) {
        said(Severity::Warning, last.md,
            i18n::arg(i18n::translate("Meldungen",
                          "Kein Bogen führt vom letzten Messpunkt bis %1: der Punkt liegt dort "
                          "oder hinter der Bohrung."),
                { point }));
    } else if (steer.overLimit) {
        said(Severity::Warning, last.md,
            i18n::arg(i18n::translate("Meldungen",
                          "Bogen bis %1: %2°/30 m bei Werkzeugstellung %3° über %4 m, steiler "
                          "als die %5°/30 m, die eine Planung erlaubt"),
                { point, m(steer.arc->doglegPer30), m(steer.arc->toolFace, 1),
                    m(steer.arc->length), m(plan::kMaxDoglegPer30, 0) }));
    } else {
        said(Severity::Information, last.md,
            i18n::arg(i18n::translate("Meldungen",
                          "Bogen bis %1: %2°/30 m bei Werkzeugstellung %3° über %4 m"),
                { point, m(steer.arc->doglegPer30), m(steer.arc->toolFace, 1),
                    m(steer.arc->length) }));
    }
    return out;
}

std::vector<Remark> remarks(const well::Diagnostics &diagnostics, const clr::WellScan *scan,
    const surveycheck::Result *check, const ModelInputs *program)
{
    std::vector<Remark> out;
    if (scan)
        out = clearanceRemarks(*scan);
    for (const well::Diagnostic &d : diagnostics) {
        Remark r;
        r.severity = severityOf(d);
        r.source = RemarkSource::Computation;
        r.depth = depthOf(d);
        if (d.id == well::Message::NoCurvature && d.values.size() >= 2)
            r.untilDepth = d.values[1];
        r.text = well::text(d);
        out.push_back(std::move(r));
    }
    if (check) {
        // The texts come one a station outside (in the order of check->outside), then the
        // quantities not checked; the depths follow the same order.
        const std::vector<double> depths = surveycheck::outsideDepths(*check);
        const std::vector<std::string> texts = surveycheck::texts(*check);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            Remark r;
            r.severity = i < depths.size() ? Severity::Warning : Severity::Information;
            r.source = RemarkSource::SurveyCheck;
            if (i < depths.size())
                r.depth = depths[i];
            r.text = texts[i];
            out.push_back(std::move(r));
        }
    }
    if (program) {
        const std::vector<std::string> texts = programTexts(*program);
        const bool refused = program->missing == unc::MissingInput::Program;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            Remark r;
            r.severity = Severity::Warning;
            r.source = RemarkSource::SurveyProgram;
            if (!refused)
                r.depth = program->outOfRange[i].md;
            r.text = texts[i];
            out.push_back(std::move(r));
        }
    }
    return out;
}

std::vector<Remark> ruleRemarks(const std::vector<clr::RuleFinding> &findings)
{
    std::vector<Remark> out;
    for (const clr::RuleFinding &f : findings) {
        Remark r;
        // Without a place the lease lines are not checked: that is worth knowing, no risk.
        r.severity = f.breach == clr::RuleBreach::LeaseUnplaced ? Severity::Warning
            : f.action == clr::LevelAction::Stop                ? Severity::CollisionRisk
            : f.action == clr::LevelAction::Caution             ? Severity::Warning
                                                                : Severity::Information;
        r.source = RemarkSource::Clearance;
        // The depth: the crossing's for a lease crossed, else the second value.
        const std::size_t at = f.breach == clr::RuleBreach::LeaseCrossed ? 0 : 1;
        if (f.values.size() > at)
            r.depth = f.values[at];
        if (f.breach == clr::RuleBreach::Level && !f.values.empty())
            r.factor = f.values[0];
        r.well = f.well;
        r.text = clr::text(f);
        out.push_back(std::move(r));
    }
    return out;
}

} // namespace analysis
