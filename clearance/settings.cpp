// The limits of the clearance rule and of the offsets, and the check of the offsets
// together.
#include "clearance/settings.h"

#include <cmath>
#include <set>

bool validHoleDiameter(double metres)
{
    return std::isfinite(metres) && metres >= 0.0 && metres <= kMaxHoleDiameter;
}

bool validFieldRadius(double metres)
{
    return std::isfinite(metres) && metres >= 1.0 && metres <= 100000.0;
}

bool validClearanceLength(double metres)
{
    return std::isfinite(metres) && metres >= 0.0 && metres <= kMaxClearanceLength;
}

bool validClearanceFactor(double factor)
{
    return std::isfinite(factor) && factor > 0.0 && factor <= kMaxClearanceFactor;
}

bool validOffsetStation(const well::Station &s)
{
    return validLength(s.md) && s.md >= 0.0 && std::isfinite(s.inclination) && s.inclination >= 0.0
        && s.inclination <= 180.0 && validAzimuth(s.azimuth);
}

bool offsetsValid(
    const std::vector<OffsetWell> &offsets, const std::string &wellName, std::string *fault)
{
    const auto fail = [&](const OffsetWell &o, const std::string &why) {
        if (fault)
            *fault
                = i18n::arg(i18n::translate("Bohrungseinstellungen", "Nachbarbohrung \"%1\": %2"),
                    { o.name, why });
        return false;
    };
    std::set<std::string> names;
    for (const OffsetWell &o : offsets) {
        if (o.name.empty() || o.name.size() > kMaxOffsetNameSize) {
            if (fault)
                *fault = i18n::translate("Bohrungseinstellungen",
                    "Eine Nachbarbohrung braucht einen Namen (höchstens 200 Bytes).");
            return false;
        }
        if (!names.insert(o.name).second)
            return fail(
                o, i18n::translate("Bohrungseinstellungen", "der Name ist doppelt vergeben."));
        if (!wellName.empty() && o.name == wellName)
            return fail(o,
                i18n::translate("Bohrungseinstellungen", "der Name ist der der Bohrung selbst."));
        if (o.stations.empty() || o.stations.size() > kMaxOffsetStations)
            return fail(o,
                i18n::translate(
                    "Bohrungseinstellungen", "sie braucht Messpunkte (höchstens eine Million)."));
        for (std::size_t i = 0; i < o.stations.size(); ++i) {
            const well::Station &st = o.stations[i];
            if (!validOffsetStation(st))
                return fail(o,
                    i18n::arg(i18n::translate("Bohrungseinstellungen",
                                  "der Messpunkt %1 liegt außerhalb der Grenzen (Teufe von 0 bis "
                                  "1e9 m, Neigung von 0 bis 180 Grad, Azimut von 0 bis 360 Grad)."),
                        { std::to_string(i + 1) }));
            if (i > 0 && !(static_cast<float>(st.md) > static_cast<float>(o.stations[i - 1].md)))
                return fail(o,
                    i18n::arg(i18n::translate("Bohrungseinstellungen",
                                  "der Messpunkt %1 liegt nicht tiefer als der davor."),
                        { std::to_string(i + 1) }));
        }
        if (!validLength(o.slotNorth) || !validLength(o.slotEast)
            || (o.wellhead
                && (!validLength(o.wellhead->easting) || !validLength(o.wellhead->northing)))
            || (o.elevation && !validLength(*o.elevation)))
            return fail(o,
                i18n::translate(
                    "Bohrungseinstellungen", "die Lage oder Höhe liegt außerhalb von 1e9 m."));
        if (!validHoleDiameter(o.holeDiameter))
            return fail(o,
                i18n::arg(i18n::translate(
                              "Bohrungseinstellungen", "der Bohrlochdurchmesser liegt nicht %1."),
                    { i18n::translate("Bohrungseinstellungen", kHoleDiameterRange) }));
        if (const auto &u = o.uncertainty; u
            && ((u->latitude && !validLatitude(*u->latitude)) || !validGravity(u->gravity)
                || (u->totalField && !validTotalField(*u->totalField))
                || (u->dip && !validDip(*u->dip)) || !validEllipseSigma(u->ellipseSigma)))
            return fail(o,
                i18n::translate("Bohrungseinstellungen",
                    "ein Wert des Fehlermodells liegt außerhalb seiner Grenzen."));
        if (!o.parent.empty() && o.parent.size() > kMaxOffsetNameSize)
            return fail(o,
                i18n::translate(
                    "Bohrungseinstellungen", "der Name der Mutterbohrung ist zu lang."));
        if (!o.parent.empty() && !(validLength(o.kickOffMd) && o.kickOffMd >= 0.0))
            return fail(o,
                i18n::translate(
                    "Bohrungseinstellungen", "die Abzweigteufe ist keine Teufe ab 0 m."));
    }
    // Following the parents from any offset must leave the offsets or end at a well of
    // its own; coming back means a sidetrack of itself.
    for (const OffsetWell &o : offsets) {
        const OffsetWell *at = &o;
        for (std::size_t steps = 0; at && !at->parent.empty(); ++steps) {
            if (at->parent == o.name || steps > offsets.size())
                return fail(o,
                    i18n::translate("Bohrungseinstellungen",
                        "sie ist über ihre Mutterbohrungen ein Seitenast ihrer selbst."));
            const OffsetWell *next = nullptr;
            for (const OffsetWell &p : offsets) {
                if (p.name == at->parent)
                    next = &p;
            }
            at = next;
        }
    }
    return true;
}
