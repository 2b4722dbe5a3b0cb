#include "clearance/offsetform.h"

#include "core/cformat.h"
#include "core/decimalsign.h"
#include "geo/errormodelinputs.h"
#include "geo/wellform.h"
#include "i18n/i18n.h"
#include "well/computation.h"

#include <algorithm>
#include <cmath>

namespace clr {

namespace {

    bool depth(double metres)
    {
        return validLength(metres) && metres >= 0.0;
    }

} // namespace

bool offsetOfWell(const well::Well &source, const std::optional<WellSettings> &stored,
    const WellSettings &settings, OffsetWell &out, std::string &fault, std::string *note)
{
    // An offset well's stations are computed from its wellhead; one that continues
    // another survey would be placed wrongly.
    if (source.settings.tieIn || (stored && stored->tieIn)) {
        fault = i18n::translate("OffsetForm",
            "Die Messung der Datei beginnt an einem Anschlusspunkt. Eine Nachbarbohrung muss "
            "an der Oberfläche beginnen; eine Ablenkung wird mit ihrer Stammbohrung und der "
            "Abzweigteufe angegeben.");
        return false;
    }
    const well::CheckedSurvey checked = well::checkSurvey(source.survey);
    if (!checked.clean) {
        fault = well::text(checked.diagnostics.front());
        return false;
    }
    if (source.survey.stations().empty()) {
        fault = i18n::translate("OffsetForm", "Die Datei enthält keine Messpunkte.");
        return false;
    }
    OffsetWell o;
    o.name = source.name;
    o.stations = source.survey.stations();
    if (stored) {
        // The azimuths of another north are turned into the well's.
        if (stored->north != settings.north) {
            const auto from = stored->turnToTrue(), to = settings.turnToTrue();
            if (!from || !to) {
                fault = i18n::translate("OffsetForm",
                    "Die Azimute des Dokuments beziehen sich auf eine andere Nordrichtung "
                    "als die der Bohrung, und ohne Deklination oder Meridiankonvergenz "
                    "lassen sie sich nicht umrechnen.");
                return false;
            }
            for (well::Station &s : o.stations) {
                s.azimuth = std::fmod(s.azimuth + *from - *to, 360.0);
                if (s.azimuth < 0.0)
                    s.azimuth += 360.0;
            }
        }
        if (stored->wellhead) {
            if (stored->epsg && settings.epsg && *stored->epsg != *settings.epsg) {
                if (note)
                    *note = cfmt(i18n::translateFormat("OffsetForm",
                                     "Der Ansatzpunkt des Dokuments liegt in EPSG:%d, die "
                                     "Bohrung in EPSG:%d.")
                                     .c_str(),
                        *stored->epsg, *settings.epsg);
            } else {
                o.wellhead = stored->wellhead;
            }
        }
        o.elevation = stored->elevation;
        o.holeDiameter = stored->clearance.holeDiameter;
        if (stored->uncertainty.model != ErrorModel::None || !stored->uncertainty.program.empty())
            o.uncertainty = stored->uncertainty;
    }
    out = std::move(o);
    return true;
}

std::string freeOffsetName(
    const std::vector<OffsetWell> &offsets, const std::string &wellName, const std::string &wanted)
{
    const auto taken = [&](const std::string &name) {
        return name == wellName
            || std::any_of(offsets.begin(), offsets.end(),
                [&](const OffsetWell &o) { return o.name == name; });
    };
    const std::string base
        = wanted.empty() ? i18n::translate("OffsetForm", "Nachbarbohrung") : wanted;
    std::string name = base;
    for (int n = 2; taken(name); ++n)
        name = base + " (" + std::to_string(n) + ")";
    return name;
}

OffsetForm formOf(const OffsetWell &o)
{
    OffsetForm f;
    f.name = o.name;
    f.byWellhead = o.wellhead.has_value();
    if (o.wellhead) {
        f.easting = geo::formNumber(o.wellhead->easting);
        f.northing = geo::formNumber(o.wellhead->northing);
    } else {
        f.north = geo::formNumber(o.slotNorth);
        f.east = geo::formNumber(o.slotEast);
    }
    f.elevation = geo::formNumber(o.elevation);
    f.hole = geo::formNumber(o.holeDiameter);
    if (o.uncertainty) {
        const UncertaintySettings &u = *o.uncertainty;
        f.model = u.model;
        f.program = u.program;
        f.latitude = geo::formNumber(u.latitude);
        f.gravity = geo::formNumber(u.gravity);
        f.totalField = geo::formNumber(u.totalField);
        f.dip = geo::formNumber(u.dip);
    }
    f.parent = o.parent;
    if (!o.parent.empty())
        f.kickOff = geo::formNumber(o.kickOffMd);
    return f;
}

bool offsetFromForm(const OffsetForm &f, const OffsetWell &base, const WellSettings &settings,
    OffsetWell &out, std::string &fault)
{
    OffsetWell o = base;
    o.name = geo::trimmedField(f.name);
    if (o.name.empty() || o.name.size() > kMaxOffsetNameSize) {
        fault = i18n::translate(
            "OffsetForm", "Name: bitte einen Namen angeben (höchstens 200 Bytes).");
        return false;
    }
    o.parent = geo::trimmedField(f.parent);
    const bool sidetrack = !o.parent.empty();
    if (sidetrack && o.parent == o.name) {
        fault = i18n::translate(
            "OffsetForm", "Seitenast von: eine Bohrung kann nicht von sich selbst abzweigen.");
        return false;
    }
    // A sidetrack stands at its parent's slot: its own fields are not asked for.
    std::optional<double> north, east, easting, northing, hole, kickOff;
    if (!sidetrack && !f.byWellhead
        && (!geo::formField(
                f.north, i18n::translate("OffsetForm", "Nord (m)"), validLength, true, north, fault)
            || !geo::formField(
                f.east, i18n::translate("OffsetForm", "Ost (m)"), validLength, true, east, fault)))
        return false;
    if (!sidetrack && f.byWellhead
        && (!geo::formField(f.easting, i18n::translate("OffsetForm", "Rechtswert (m)"), validLength,
                true, easting, fault)
            || !geo::formField(f.northing, i18n::translate("OffsetForm", "Hochwert (m)"),
                validLength, true, northing, fault)))
        return false;
    if (!geo::formField(f.elevation,
            i18n::translate("OffsetForm", "Höhe des Teufenbezugspunkts (m NN)"), validLength, false,
            o.elevation, fault)
        || !geo::formField(f.hole, i18n::translate("OffsetForm", "Bohrlochdurchmesser (m)"),
            validHoleDiameter, false, hole, fault)
        || (sidetrack
            && !geo::formField(f.kickOff, i18n::translate("OffsetForm", "Abzweigteufe (m)"), depth,
                true, kickOff, fault)))
        return false;
    o.wellhead.reset();
    o.slotNorth = o.slotEast = 0.0;
    if (easting)
        o.wellhead = Wellhead { *easting, *northing };
    if (north) {
        o.slotNorth = *north;
        o.slotEast = *east;
    }
    o.holeDiameter = hole.value_or(0.0);
    o.kickOffMd = kickOff.value_or(0.0);

    o.uncertainty.reset();
    if (f.model) {
        UncertaintySettings u;
        u.model = *f.model;
        u.program = f.program;
        if (!programValid(u.program, &fault))
            return false;
        std::optional<double> gravity;
        if (!geo::formField(f.latitude, i18n::translate("OffsetForm", "Geographische Breite (°)"),
                validLatitude, false, u.latitude, fault)
            || !geo::formField(f.gravity,
                i18n::translate("OffsetForm", "Schwerebeschleunigung (m/s²)"), validGravity, false,
                gravity, fault)
            || !geo::formField(f.totalField, i18n::translate("OffsetForm", "Totalintensität (nT)"),
                validTotalField, false, u.totalField, fault)
            || !geo::formField(f.dip,
                i18n::translate("OffsetForm", "Inklination des Magnetfelds (°)"), validDip, false,
                u.dip, fault))
            return false;
        u.gravity = gravity.value_or(UncertaintySettings {}.gravity);
        // The inputs the model needs, the well's declination and north with them.
        WellSettings s = settings;
        s.uncertainty = u;
        unc::MissingInput missing = unc::MissingInput::None;
        if (u.model != ErrorModel::None && !geo::errorModelInputs(s, &missing)) {
            fault = i18n::arg(i18n::translate("OffsetForm",
                                  "%1: das Fehlermodell der Nachbarbohrung braucht einen Wert "
                                  "(Deklination und Nordrichtung gibt die Bohrung unter "
                                  "Bearbeiten > Bohrung …)."),
                { geo::missingFieldName(missing) });
            const std::string reason = geo::missingInputReason(s, missing);
            if (!reason.empty())
                fault += " " + reason;
            return false;
        }
        o.uncertainty = u;
    }
    out = std::move(o);
    return true;
}

RuleForm ruleFormOf(const ClearanceSettings &rule)
{
    return { geo::formNumber(rule.holeDiameter), geo::formNumber(rule.surfaceMargin),
        geo::formNumber(rule.projectAhead), geo::formNumber(rule.scalingFactor),
        geo::formNumber(rule.warningFactor) };
}

bool ruleFromForm(const RuleForm &f, ClearanceSettings &out, std::string &fault)
{
    const ClearanceSettings defaults;
    std::optional<double> hole, margin, ahead, k, warning;
    if (!geo::formField(f.hole,
            i18n::translate("OffsetForm", "Bohrlochdurchmesser der Bohrung (m)"), validHoleDiameter,
            false, hole, fault)
        || !geo::formField(f.surfaceMargin,
            i18n::translate("OffsetForm", "Sicherheitsabstand Sm (m)"), validClearanceLength, false,
            margin, fault)
        || !geo::formField(f.projectAhead,
            i18n::translate("OffsetForm", "Unsicherheit voraus σpa (m)"), validClearanceLength,
            false, ahead, fault)
        || !geo::formField(f.scalingFactor, i18n::translate("OffsetForm", "Faktor k"),
            validClearanceFactor, false, k, fault)
        || !geo::formField(f.warningFactor,
            i18n::translate("OffsetForm", "Meldung unter Trennfaktor"), validClearanceFactor, false,
            warning, fault))
        return false;
    out.holeDiameter = hole.value_or(defaults.holeDiameter);
    out.surfaceMargin = margin.value_or(defaults.surfaceMargin);
    out.projectAhead = ahead.value_or(defaults.projectAhead);
    out.scalingFactor = k.value_or(defaults.scalingFactor);
    out.warningFactor = warning.value_or(defaults.warningFactor);
    return true;
}

} // namespace clr
