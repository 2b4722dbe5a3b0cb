#include "geo/offsetslot.h"

#include "core/units.h"
#include "geo/projection.h"
#include "i18n/i18n.h"

#include <cmath>

namespace geo {

std::optional<SlotFromWellhead> slotFromWellhead(
    const WellSettings &reference, const Wellhead &other, std::string &fault)
{
    if (!reference.wellhead || !reference.epsg) {
        fault = i18n::translate("Koordinaten",
            "Ein Ansatzpunkt einer Nachbarbohrung in Rechts- und Hochwert braucht den "
            "Ansatzpunkt der Bohrung mit Koordinatenbezugssystem (Bearbeiten > Bohrung …).");
        return std::nullopt;
    }
    const GridToWgs84 crs(*reference.epsg);
    Placement placement;
    if (!placementWithCrs(reference, crs, placement, fault))
        return std::nullopt;
    const GridPosition a { reference.wellhead->easting, reference.wellhead->northing };
    const GridPosition b { other.easting, other.northing };
    const GridPosition mid { 0.5 * (a.easting + b.easting), 0.5 * (a.northing + b.northing) };
    const auto ka = crs.scaleFactorAt(a), kb = crs.scaleFactorAt(b), km = crs.scaleFactorAt(mid);
    const auto ca = crs.convergenceAt(a), cb = crs.convergenceAt(b);
    if (!ka || !kb || !km || !ca || !cb) {
        fault = i18n::translate("Koordinaten",
            "Der Ansatzpunkt der Nachbarbohrung liegt außerhalb des Koordinatenbezugssystems.");
        return std::nullopt;
    }
    SlotFromWellhead slot;
    // Simpson's rule over the line: the scale factor changes slowly and smoothly.
    slot.scale = (*ka + 4.0 * *km + *kb) / 6.0;
    const double dE = (b.easting - a.easting) / slot.scale;
    const double dN = (b.northing - a.northing) / slot.scale;
    // A grid azimuth is the well's azimuth plus the turn.
    const double t = *placement.turn * units::kRadiansPerDegree;
    slot.north = dN * std::cos(t) + dE * std::sin(t);
    slot.east = dE * std::cos(t) - dN * std::sin(t);
    // Grid azimuths share one north; true and magnetic ones at the neighbour's wellhead
    // differ from the well's by the convergence between the two (grid = true - c).
    if (reference.north != NorthReference::Grid)
        slot.azimuthTurn = *ca - *cb;
    return slot;
}

} // namespace geo
