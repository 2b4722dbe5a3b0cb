#include "geo/wellform.h"

#include "core/cformat.h"
#include "core/decimalsign.h"
#include "geo/errormodelinputs.h"
#include "geo/magneticfield.h"
#include "geo/projection.h"
#include "i18n/i18n.h"

#include <cmath>
#include <optional>

namespace geo {

namespace {

    bool validDepth(double metres)
    {
        return validLength(metres) && metres >= 0.0;
    }

    bool validInclination(double degrees)
    {
        return std::isfinite(degrees) && degrees >= 0.0 && degrees <= 180.0;
    }

    // The tie-in's six fields: all empty for none, else each a value within its limits.
    // Fields shown as `base` holds them keep its values to the last digit, which the form's
    // nine decimals may not show.
    bool tieInFromForm(const std::array<std::string, 6> &fields,
        const std::optional<well::TieIn> &base, std::optional<well::TieIn> &out, std::string &fault)
    {
        bool anything = false;
        for (const std::string &text : fields)
            anything = anything || !trimmedField(text).empty();
        if (!anything) {
            out.reset();
            return true;
        }
        const char *const names[6] = {
            DRV_TRANSLATE_NOOP("WellForm", "Anschlusspunkt: MD"),
            DRV_TRANSLATE_NOOP("WellForm", "Anschlusspunkt: TVD"),
            DRV_TRANSLATE_NOOP("WellForm", "Anschlusspunkt: Nord"),
            DRV_TRANSLATE_NOOP("WellForm", "Anschlusspunkt: Ost"),
            DRV_TRANSLATE_NOOP("WellForm", "Anschlusspunkt: Neigung"),
            DRV_TRANSLATE_NOOP("WellForm", "Anschlusspunkt: Azimut"),
        };
        bool (*const limits[6])(double)
            = { validDepth, validLength, validLength, validLength, validInclination, validAzimuth };
        std::optional<double> values[6];
        for (int i = 0; i < 6; ++i) {
            if (!formField(fields[i], i18n::translate("WellForm", names[i]), limits[i], true,
                    values[i], fault))
                return false;
        }
        well::TieIn t { *values[0], *values[1], *values[2], *values[3], *values[4], *values[5] };
        if (base) {
            const double kept[6] = { base->md, base->tvd, base->north, base->east,
                base->inclination, base->azimuth };
            double *const into[6]
                = { &t.md, &t.tvd, &t.north, &t.east, &t.inclination, &t.azimuth };
            for (int i = 0; i < 6; ++i) {
                if (trimmedField(fields[i]) == formNumber(kept[i]))
                    *into[i] = kept[i];
            }
        }
        out = t;
        return true;
    }

} // namespace

std::string trimmedField(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string formNumber(const std::optional<double> &v)
{
    if (!v)
        return {};
    std::string text = decimalsign::fixed(*v, 9, decimalsign::Sign::Comma);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == ',')
        text.pop_back();
    return text;
}

bool formField(const std::string &text, const std::string &what, bool (*valid)(double),
    bool required, std::optional<double> &to, std::string &fault)
{
    const std::string t = trimmedField(text);
    if (t.empty()) {
        if (required) {
            fault = cfmt(i18n::translateFormat("WellForm", "%s: bitte einen Wert angeben.").c_str(),
                what.c_str());
            return false;
        }
        to.reset();
        return true;
    }
    const auto v = decimalsign::read(t, decimalsign::Accept::Either);
    if (!v || !valid(*v)) {
        fault
            = cfmt(i18n::translateFormat("WellForm", "%s: \"%s\" ist kein gültiger Wert.").c_str(),
                what.c_str(), t.c_str());
        return false;
    }
    to = *v;
    return true;
}

namespace {

    // The well form's fields are all optional.
    bool field(const std::string &text, const std::string &what, bool (*valid)(double),
        std::optional<double> &to, std::string &fault)
    {
        return formField(text, what, valid, false, to, fault);
    }

} // namespace

WellForm formOf(const WellSettings &s)
{
    WellForm f;
    if (s.wellhead) {
        f.easting = formNumber(s.wellhead->easting);
        f.northing = formNumber(s.wellhead->northing);
    }
    f.elevation = formNumber(s.elevation);
    if (s.epsg)
        f.epsg = cfmt("EPSG:%d", *s.epsg);
    f.north = s.north;
    f.gridConvergence = formNumber(s.gridConvergence);
    f.declination = formNumber(s.declination);
    if (s.surveyDate)
        f.surveyDate = formDate(*s.surveyDate);
    f.sectionAzimuth = formNumber(s.sectionAzimuth);
    f.unit = s.unit;
    const UncertaintySettings &u = s.uncertainty;
    f.errorModel = u.model;
    f.latitude = formNumber(u.latitude);
    f.gravity = formNumber(u.gravity);
    f.totalField = formNumber(u.totalField);
    f.dip = formNumber(u.dip);
    f.ellipseSigma = formNumber(u.ellipseSigma);
    if (s.tieIn) {
        const well::TieIn &t = *s.tieIn;
        f.tieIn = { formNumber(t.md), formNumber(t.tvd), formNumber(t.north), formNumber(t.east),
            formNumber(t.inclination), formNumber(t.azimuth) };
    }
    return f;
}

std::string missingFieldName(unc::MissingInput missing)
{
    switch (missing) {
    case unc::MissingInput::TotalField:
        return i18n::translate("WellForm", "Totalintensität");
    case unc::MissingInput::Dip:
        return i18n::translate("WellForm", "Inklination des Magnetfelds");
    case unc::MissingInput::Declination:
        return i18n::translate("WellForm", "Deklination");
    case unc::MissingInput::Convergence:
        return i18n::translate("WellForm", "Meridiankonvergenz");
    case unc::MissingInput::Program:
        return i18n::translate("WellForm", "Vermessungsprogramm");
    case unc::MissingInput::None:
        break;
    }
    return "";
}

bool settingsFromForm(
    const WellForm &f, const WellSettings &base, WellSettings &out, std::string &fault)
{
    WellSettings s = base;
    std::optional<double> easting, northing;
    if (!field(f.easting, i18n::translate("WellForm", "Rechtswert"), validLength, easting, fault)
        || !field(f.northing, i18n::translate("WellForm", "Hochwert"), validLength, northing, fault)
        || !field(f.elevation, i18n::translate("WellForm", "Höhe des Bezugspunkts"), validLength,
            s.elevation, fault)
        || !field(f.gridConvergence, i18n::translate("WellForm", "Meridiankonvergenz"),
            validTurnAngle, s.gridConvergence, fault)
        || !field(f.declination, i18n::translate("WellForm", "Deklination"), validTurnAngle,
            s.declination, fault)
        || !field(f.sectionAzimuth, i18n::translate("WellForm", "Azimut des Vertikalschnitts"),
            validAzimuth, s.sectionAzimuth, fault))
        return false;
    if (easting.has_value() != northing.has_value()) {
        fault = i18n::translate("WellForm", "Der Ansatzpunkt braucht Rechtswert und Hochwert.");
        return false;
    }
    s.wellhead.reset();
    if (easting)
        s.wellhead = Wellhead { *easting, *northing };
    s.surveyDate.reset();
    if (!trimmedField(f.surveyDate).empty()) {
        s.surveyDate = dateFromForm(f.surveyDate);
        if (!s.surveyDate) {
            fault = cfmt(i18n::translateFormat("WellForm",
                             "Vermessungsdatum: \"%s\" ist kein Tag des Kalenders (TT.MM.JJJJ).")
                             .c_str(),
                trimmedField(f.surveyDate).c_str());
            return false;
        }
    }

    const std::string code = trimmedField(f.epsg);
    s.epsg.reset();
    if (!code.empty()) {
        const bool digits = code.find_first_not_of("0123456789") == std::string::npos;
        s.epsg = parseEpsg(digits ? "EPSG:" + code : code);
        if (!s.epsg) {
            fault = cfmt(i18n::translateFormat("WellForm",
                             "EPSG-Code: \"%s\" ist kein gültiger Code (z. B. 25832 oder "
                             "EPSG:25832).")
                             .c_str(),
                code.c_str());
            return false;
        }
        // A code that PROJ does not know, or that is no projected system, would be
        // refused only at the first map or export; it is refused where it is typed.
        const GridToWgs84 crs(*s.epsg);
        if (!crs.fault().empty()) {
            fault = i18n::arg(i18n::translate("WellForm", "EPSG-Code: %1"), { crs.fault() });
            return false;
        }
    }
    s.north = f.north;
    s.unit = f.unit;
    if (!tieInFromForm(f.tieIn, base.tieIn, s.tieIn, fault))
        return false;

    UncertaintySettings &u = s.uncertainty;
    u.model = f.errorModel;
    std::optional<double> gravity, sigmas;
    if (!field(f.latitude, i18n::translate("WellForm", "Geographische Breite"), validLatitude,
            u.latitude, fault)
        || !field(f.gravity, i18n::translate("WellForm", "Schwerebeschleunigung"), validGravity,
            gravity, fault)
        || !field(f.totalField, i18n::translate("WellForm", "Totalintensität"), validTotalField,
            u.totalField, fault)
        || !field(f.dip, i18n::translate("WellForm", "Inklination des Magnetfelds"), validDip,
            u.dip, fault)
        || !field(f.ellipseSigma, i18n::translate("WellForm", "Ellipse (Vielfaches von σ)"),
            validEllipseSigma, sigmas, fault))
        return false;
    u.gravity = gravity.value_or(UncertaintySettings {}.gravity);
    u.ellipseSigma = sigmas.value_or(UncertaintySettings {}.ellipseSigma);
    unc::MissingInput missing = unc::MissingInput::None;
    std::string refusal;
    if (u.hasModel() && !errorModelInputs(s, &missing, &refusal)) {
        if (missing == unc::MissingInput::Program) {
            fault = refusal;
            return false;
        }
        std::string why;
        switch (missing) {
        case unc::MissingInput::Declination:
            why = i18n::translate("WellForm",
                "%1: das Fehlermodell braucht sie auch für Azimute, die auf geographisch Nord "
                "oder Gitternord bezogen sind.");
            break;
        case unc::MissingInput::Convergence:
            why = i18n::translate("WellForm",
                "%1: das Fehlermodell braucht sie für Gitterazimute, wenn der Ansatzpunkt "
                "nicht mit Koordinatenbezugssystem angegeben ist.");
            break;
        default:
            why = i18n::translate("WellForm", "%1: das Fehlermodell braucht einen Wert.");
            break;
        }
        fault = i18n::arg(why, { missingFieldName(missing) });
        // Where the model would have given the value, why it did not.
        const std::string reason = missingInputReason(s, missing);
        if (!reason.empty())
            fault += " " + reason;
        return false;
    }
    out = s;
    return true;
}

std::string formDate(const CalendarDate &date)
{
    return cfmt("%02d.%02d.%04d", date.day, date.month, date.year);
}

std::optional<CalendarDate> dateFromForm(const std::string &text)
{
    const std::string t = trimmedField(text);
    // Day and month may have one digit: "1.3.2025".
    const auto dot1 = t.find('.');
    const auto dot2 = dot1 == std::string::npos ? dot1 : t.find('.', dot1 + 1);
    if (dot2 == std::string::npos)
        return parseIsoDate(t);
    const auto twoDigits = [](std::string part) { return part.size() == 1 ? "0" + part : part; };
    return parseIsoDate(t.substr(dot2 + 1) + "-" + twoDigits(t.substr(dot1 + 1, dot2 - dot1 - 1))
        + "-" + twoDigits(t.substr(0, dot1)));
}

ModelNotes modelNotes(const WellForm &f)
{
    // The fields the model needs, each on its own: one bad field elsewhere does not hide
    // what the model says.
    WellSettings s;
    std::string ignored;
    std::optional<double> easting, northing;
    if (field(f.easting, {}, validLength, easting, ignored)
        && field(f.northing, {}, validLength, northing, ignored) && easting && northing)
        s.wellhead = Wellhead { *easting, *northing };
    if (!field(f.elevation, {}, validLength, s.elevation, ignored))
        s.elevation.reset();
    const std::string code = trimmedField(f.epsg);
    const bool digits = !code.empty() && code.find_first_not_of("0123456789") == std::string::npos;
    s.epsg = parseEpsg(digits ? "EPSG:" + code : code);
    s.surveyDate = dateFromForm(f.surveyDate);

    ModelNotes notes;
    const ModelField asked = modelField(s);
    switch (asked.state) {
    case ModelState::NotAsked:
        break;
    case ModelState::NoDate:
        notes.note = i18n::translate("WellForm",
            "Leere Felder für Deklination, Inklination und Totalintensität kommen aus dem "
            "Magnetfeldmodell, aber das Vermessungsdatum fehlt.");
        break;
    case ModelState::Refused:
        notes.note = asked.refusal;
        break;
    case ModelState::Given: {
        const magnetic::Field &m = *asked.field;
        const auto value = [&](double number, int decimals, const char *unit) {
            return i18n::arg(i18n::translate("WellForm", "%1: %2%3"),
                { m.model, decimalsign::shown(number, decimals), unit });
        };
        notes.declination = value(m.declinationDeg, 2, "°");
        notes.dip = value(m.inclinationDeg, 2, "°");
        notes.totalField = value(m.totalNt, 0, " nT");
        notes.note = i18n::arg(i18n::translate("WellForm",
                                   "Leere Felder für Deklination, Inklination und "
                                   "Totalintensität: %1 am Ansatzpunkt (Vermessungsdatum %2)."),
            { m.model, formDate(*s.surveyDate) });
        break;
    }
    }
    return notes;
}

} // namespace geo
