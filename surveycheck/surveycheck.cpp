// The field readings against the reference, station by station.
#include "surveycheck/surveycheck.h"

#include "core/decimalsign.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <cmath>

namespace surveycheck {

namespace {

constexpr std::array<int, well::kFieldQuantities> kDecimals = { 0, 2, 4 };

std::string valueText(well::FieldQuantity q, double value)
{
    return decimalsign::shown(value, kDecimals[static_cast<std::size_t>(q)]) + " " + unitOf(q);
}

} // namespace

Values wellReference(const WellSettings &settings)
{
    const UncertaintySettings &u = settings.uncertainty;
    return { u.totalField, u.dip, u.gravity };
}

Result check(const std::vector<well::FieldReading> &readings, const well::Survey &survey,
    const Values &wellReference)
{
    Result result;
    if (readings.empty())
        return result;
    // The stations' depths, sorted once: a reading is matched by its depth alone.
    std::vector<double> depths;
    depths.reserve(survey.size());
    for (const well::Station &s : survey.stations())
        depths.push_back(s.md);
    std::sort(depths.begin(), depths.end());
    for (const well::FieldReading &r : readings) {
        if (!std::binary_search(depths.begin(), depths.end(), r.md))
            continue;
        StationResult station;
        station.md = r.md;
        bool checked = false;
        for (std::size_t k = 0; k < well::kFieldQuantities; ++k) {
            if (!r.measured[k])
                continue;
            const std::optional<double> reference = r.reference[k] ? r.reference[k] : wellReference[k];
            if (!reference) {
                result.unreferenced[k] = true;
                continue;
            }
            checked = true;
            const double tolerance = r.tolerance[k].value_or(kDefaultTolerance[k]);
            const double deviation = *r.measured[k] - *reference;
            station.deviation[k] = deviation;
            station.outside[k] = std::abs(deviation) > tolerance;
            if (station.outside[k])
                result.outside.push_back({ r.md, static_cast<well::FieldQuantity>(k), *r.measured[k],
                    *reference, deviation, tolerance });
        }
        if (checked)
            result.stations.push_back(station);
    }
    return result;
}

std::vector<double> outsideDepths(const Result &result)
{
    std::vector<double> depths;
    for (const Deviation &d : result.outside)
        if (depths.empty() || depths.back() != d.md)
            depths.push_back(d.md);
    return depths;
}

std::string quantityName(well::FieldQuantity quantity)
{
    switch (quantity) {
    case well::FieldQuantity::TotalField:
        return i18n::translate("Vermessungsprüfung", "Gesamtfeld");
    case well::FieldQuantity::Dip:
        return i18n::translate("Vermessungsprüfung", "Inklination");
    case well::FieldQuantity::Gravity:
        return i18n::translate("Vermessungsprüfung", "Schwere");
    }
    return {};
}

const char *unitOf(well::FieldQuantity quantity)
{
    switch (quantity) {
    case well::FieldQuantity::TotalField:
        return "nT";
    case well::FieldQuantity::Dip:
        return "°";
    case well::FieldQuantity::Gravity:
        return "m/s²";
    }
    return "";
}

std::string stationText(const std::vector<Deviation> &deviations)
{
    if (deviations.empty())
        return {};
    std::string parts;
    for (const Deviation &d : deviations) {
        if (!parts.empty())
            parts += "; ";
        parts += i18n::arg(i18n::translate("Vermessungsprüfung",
                               "%1 %2, Referenz %3, Abweichung %4 (Toleranz %5)"),
            { quantityName(d.quantity), valueText(d.quantity, d.measured),
                valueText(d.quantity, d.reference), valueText(d.quantity, d.deviation),
                valueText(d.quantity, d.tolerance) });
    }
    return i18n::arg(
        i18n::translate("Vermessungsprüfung", "Messpunkt bei %1 m MD außerhalb der Toleranz: %2"),
        { decimalsign::shown(deviations.front().md, 2), parts });
}

std::string uncheckedText(well::FieldQuantity quantity)
{
    return i18n::arg(i18n::translate("Vermessungsprüfung",
                         "%1 der Messpunkte nicht geprüft: weder die Datei noch die "
                         "Bohrungseinstellungen geben einen Referenzwert."),
        { quantityName(quantity) });
}

std::vector<std::string> texts(const Result &result)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < result.outside.size();) {
        std::size_t end = i;
        while (end < result.outside.size() && result.outside[end].md == result.outside[i].md)
            ++end;
        out.push_back(stationText({ result.outside.begin() + static_cast<std::ptrdiff_t>(i),
            result.outside.begin() + static_cast<std::ptrdiff_t>(end) }));
        i = end;
    }
    for (std::size_t k = 0; k < well::kFieldQuantities; ++k)
        if (result.unreferenced[k])
            out.push_back(uncheckedText(static_cast<well::FieldQuantity>(k)));
    return out;
}

} // namespace surveycheck
